#pragma once

#include <QObject>

class QAbstractItemView;
class QWidget;

// The keyboard rules every window shares: grids, tables and lists do not keep Tab to
// themselves, and Enter on a row does what a double-click on it does.
class KeyboardNavigation final : public QObject
{
    Q_OBJECT

public:
    // Applies the rules to the window's item views each time the window is shown.
    static void install(QWidget& window);
    // Applies the rules to one item view (one made after its window was shown).
    static void adopt(QAbstractItemView& view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit KeyboardNavigation(QObject* parent);
    static KeyboardNavigation& rowActivation();
    void adoptViewsOf(QWidget& window);
};
