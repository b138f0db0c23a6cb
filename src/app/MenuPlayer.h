#pragma once

#include "MenuDescription.h"

#include <QPixmap>
#include <QWidget>

class MenuEntry;

// The full-window main menu: draws the menu of a description file over its
// background picture and sends the command word of the entry chosen with the
// mouse or the keyboard (arrows or Tab to move, Enter or Space to choose).
class MenuPlayer final : public QWidget
{
    Q_OBJECT

public:
    explicit MenuPlayer(QWidget* parent = nullptr);

    // Sets the movie: reads the description file; false with a reason when it cannot be used.
    bool loadMovie(const QString& descriptionFile, QString* error);
    // Starts the menu: the entries appear and the first one takes the focus.
    void play();

    const MenuDescription& description() const { return m_menu; }
    QList<MenuEntry*> entries() const { return m_entries; }
    MenuEntry* entry(const QString& command) const;

Q_SIGNALS:
    void FSCommand(const QString& command, const QString& args);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Card
    {
        QRectF frame;
        QRectF caption;
        QString text;
    };

    void createEntries();
    void layoutEntries();
    void moveFocus(MenuEntry* from, int dx, int dy);
    MenuEntry* entryAt(int column, int row) const;
    qreal scale() const;
    void paintHeader(QPainter& painter, qreal s);

    MenuDescription m_menu;
    QPixmap m_background;
    QList<MenuEntry*> m_entries;
    QVector<Card> m_cards;
    QRectF m_header;
    QRectF m_footer;
};
