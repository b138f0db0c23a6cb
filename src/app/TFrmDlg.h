#pragma once

#include "platform/Prompts.h"
#include "ui/FramelessDialog.h"

#include <QPixmap>

#include <array>

class ModalRunner;
class ScreenInfo;
class QLabel;
class QPushButton;
class QStackedWidget;

// The program's own message box: a title line, a text, a picture for the kind
// of message and one to three buttons. Created once at start-up and reused.
class TFrmDlg final : public FramelessDialog
{
    Q_OBJECT

public:
    static constexpr int DesignedWidth = 785;
    static constexpr int DesignedHeight = 110;
    static constexpr int NarrowWidth = 200; // button set 3

    // pictureFolder: the program's pic/ folder with the dialog's pictures.
    explicit TFrmDlg(const ScreenInfo& screen, const QString& pictureFolder, QWidget* parent = nullptr);

    // Sets the dialog up for one message, shows it modally through runner and
    // returns the pressed button: 1 fcShapeBtn1, 2 fcShapeBtn2, 3 fcShapeBtn3.
    int MessageDialog(ModalRunner& runner, const QString& title, const QString& text,
                      Prompts::ButtonSet buttonSet, Prompts::Picture page,
                      Prompts::Variant variant = Prompts::Variant::Plain);
    // The setting-up steps alone, for a caller that shows the dialog itself.
    void prepare(const QString& title, const QString& text, Prompts::ButtonSet buttonSet,
                 Prompts::Picture page, Prompts::Variant variant = Prompts::Variant::Plain);

    int designedWidth() const { return m_designedWidth; }
    int page() const;

    // Escape answers like the button that backs out of the question.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate(const QString& pictureFolder);
    void createPictures(const QString& pictureFolder);
    void createButtons();
    void setButtonSet(Prompts::ButtonSet buttonSet);
    void setCaptions(Prompts::Variant variant);
    void layoutForText();
    QPushButton* firstVisibleButton() const;
    int backOutResult() const;

    QLabel* m_title = nullptr;               // Label1
    QLabel* m_text = nullptr;                // fcLabel1
    QStackedWidget* m_pictures = nullptr;    // epNoteBook1
    std::array<QPushButton*, 3> m_buttons{}; // fcShapeBtn1, fcShapeBtn2, fcShapeBtn3
    QPixmap m_background;                    // Image1
    QPixmap m_titleBar;                      // Image2
    int m_designedWidth = DesignedWidth;
    bool m_examCaptions = false;
};
