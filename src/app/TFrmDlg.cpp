#include "TFrmDlg.h"

#include "platform/ModalRunner.h"
#include "ui/Theme.h"
#include "ui/WindowPlacement.h"

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int TitleBarHeight = 26;
constexpr int TextLeft = 56;
constexpr int TextTop = 40;
constexpr int TextRightMargin = 16;
constexpr int ButtonTop = 80;
constexpr int ButtonGap = 8; // between the text and the buttons
constexpr QSize ButtonSize(73, 25);
constexpr int ButtonLefts[3] = {64, 256, 160}; // fcShapeBtn1, fcShapeBtn2, fcShapeBtn3
constexpr int BottomMargin = 110 - 80 - 25;

struct PictureInfo
{
    const char16_t* name;
    const char16_t* file;
    QStyle::StandardPixmap fallback;
};
constexpr PictureInfo Pictures[3] = {
    {u"提示", u"dlg_info.png", QStyle::SP_MessageBoxInformation},
    {u"警告", u"dlg_warning.png", QStyle::SP_MessageBoxWarning},
    {u"错误", u"dlg_error.png", QStyle::SP_MessageBoxCritical},
};

} // namespace

TFrmDlg::TFrmDlg(const ScreenInfo& screen, const QString& pictureFolder, QWidget* parent)
    : FramelessDialog(screen, parent)
{
    FormCreate(pictureFolder);
}

void TFrmDlg::FormCreate(const QString& pictureFolder)
{
    setObjectName(u"TFrmDlg"_s);
    setWindowTitle(u"提示框"_s);
    setAttribute(Qt::WA_QuitOnClose, false);
    setModal(true);
    setFixedSize(DesignedWidth, DesignedHeight);
    const QDir folder(pictureFolder);
    m_background = QPixmap(folder.filePath(u"dlg_back.png"_s));
    m_titleBar = QPixmap(folder.filePath(u"dlg_title.png"_s));

    m_title = new QLabel(u"提示"_s, this);
    m_title->setObjectName(u"Label1"_s);
    m_title->setProperty("role", u"dialogTitle"_s);
    m_title->setGeometry(12, 0, DesignedWidth - 24, TitleBarHeight);

    m_text = new QLabel(u"提示"_s, this);
    m_text->setObjectName(u"fcLabel1"_s);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    createPictures(pictureFolder);
    createButtons();
    m_designedWidth = width(); // every message starts from the designed width
    layoutForText();
}

void TFrmDlg::createPictures(const QString& pictureFolder)
{
    m_pictures = new QStackedWidget(this);
    m_pictures->setObjectName(u"epNoteBook1"_s);
    m_pictures->setGeometry(8, 32, 32, 32);
    for (const PictureInfo& info : Pictures) {
        auto* page = new QLabel(m_pictures);
        const QString name = QString::fromUtf16(info.name);
        page->setObjectName(name);
        page->setAccessibleName(name);
        QPixmap picture(QDir(pictureFolder).filePath(QString::fromUtf16(info.file)));
        if (picture.isNull())
            picture = style()->standardIcon(info.fallback).pixmap(32, 32);
        page->setPixmap(picture.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        m_pictures->addWidget(page);
    }
    m_pictures->setCurrentIndex(1);
}

void TFrmDlg::createButtons()
{
    const QString captions[3] = {u"确定"_s, u"取消"_s, u"确定"_s};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(captions[i], this);
        button->setObjectName(u"fcShapeBtn%1"_s.arg(i + 1));
        button->setFixedSize(ButtonSize);
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, [this, i] { done(i + 1); });
        m_buttons[i] = button;
    }
}

void TFrmDlg::prepare(const QString& title, const QString& text, Prompts::ButtonSet buttonSet,
                      Prompts::Picture page, Prompts::Variant variant)
{
    setFixedWidth(m_designedWidth);
    setWindowTitle(title);
    m_text->setText(text);
    setButtonSet(buttonSet);
    m_pictures->setCurrentIndex(int(page));
    m_title->setText(title);
    setCaptions(variant);
    layoutForText();
    if (QPushButton* first = firstVisibleButton()) {
        first->setDefault(true);
        first->setFocus();
    }
}

int TFrmDlg::MessageDialog(ModalRunner& runner, const QString& title, const QString& text,
                           Prompts::ButtonSet buttonSet, Prompts::Picture page, Prompts::Variant variant)
{
    prepare(title, text, buttonSet, page, variant);
    const int result = runner.run(*this);
    return result >= 1 && result <= 3 ? result : backOutResult();
}

void TFrmDlg::setButtonSet(Prompts::ButtonSet buttonSet)
{
    // Visibility of fcShapeBtn1, fcShapeBtn2, fcShapeBtn3 by button set.
    static constexpr bool Shown[4][3] = {
        {true, true, false}, {false, false, true}, {true, true, true}, {true, false, false}};
    for (int i = 0; i < 3; ++i)
        m_buttons[i]->setVisible(Shown[int(buttonSet)][i]);
    if (buttonSet == Prompts::ButtonSet::NarrowOk)
        setFixedWidth(NarrowWidth);
}

void TFrmDlg::setCaptions(Prompts::Variant variant)
{
    m_examCaptions = variant == Prompts::Variant::Exam;
    m_buttons[0]->setText(u"确定"_s);
    m_buttons[1]->setText(m_examCaptions ? u"作废"_s : u"取消"_s);
    m_buttons[2]->setText(m_examCaptions ? u"取消"_s : u"确定"_s);
}

void TFrmDlg::layoutForText()
{
    // The widths are fixed by the button set; a long text makes the dialog taller instead of being cut.
    const int textWidth = width() - TextLeft - TextRightMargin;
    const int textHeight = qMax(m_text->heightForWidth(textWidth), m_text->fontMetrics().height());
    m_text->setGeometry(TextLeft, TextTop, textWidth, textHeight);
    const int extra = qMax(0, TextTop + textHeight + ButtonGap - ButtonTop);
    for (int i = 0; i < 3; ++i)
        m_buttons[i]->move(ButtonLefts[i], ButtonTop + extra);
    m_title->setGeometry(12, 0, width() - 24, TitleBarHeight);
    setFixedHeight(ButtonTop + extra + ButtonSize.height() + BottomMargin);
}

QPushButton* TFrmDlg::firstVisibleButton() const
{
    for (QPushButton* button : {m_buttons[0], m_buttons[2], m_buttons[1]}) {
        if (!button->isHidden())
            return button;
    }
    return nullptr;
}

int TFrmDlg::page() const
{
    return m_pictures->currentIndex();
}

int TFrmDlg::backOutResult() const
{
    // The exam's question goes back to the paper (3); OK/Cancel cancels (2); a notice is acknowledged.
    if (m_examCaptions && !m_buttons[2]->isHidden())
        return 3;
    if (!m_buttons[1]->isHidden())
        return 2;
    if (!m_buttons[2]->isHidden())
        return 3;
    return 1;
}

void TFrmDlg::reject()
{
    done(backOutResult());
}

void TFrmDlg::showEvent(QShowEvent* event)
{
    FramelessDialog::showEvent(event);
    // The size changes from message to message: centre every time.
    WindowPlacement::centre(*this, screenInfo());
}

void TFrmDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect titleBar(0, 0, width(), TitleBarHeight);
    if (!m_background.isNull())
        painter.drawPixmap(rect(), m_background);
    else
        Theme::paintPanel(painter, rect());
    if (!m_titleBar.isNull())
        painter.drawPixmap(titleBar, m_titleBar);
    else
        painter.fillRect(titleBar, Theme::Accent);
    painter.setPen(Theme::Accent.darker(130));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
