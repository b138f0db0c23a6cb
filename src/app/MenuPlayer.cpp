#include "MenuPlayer.h"

#include "MenuEntry.h"
#include "ui/Theme.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// The menu is designed for 800 x 600 and grows with the screen.
constexpr qreal DesignWidth = 800;
constexpr qreal DesignHeight = 600;
constexpr qreal MaxScale = 2.2;

constexpr qreal Margin = 24;
constexpr qreal HeaderHeight = 88;
constexpr qreal FooterHeight = 52;
constexpr qreal CardGap = 12;
constexpr qreal CardPadding = 10;
constexpr qreal CardCaptionHeight = 38;
constexpr qreal EntryHeight = 36;
constexpr qreal EntryGap = 8;

QFont scaledFont(const QFont& base, qreal pixels, int weight = QFont::Normal)
{
    QFont font = base;
    font.setPixelSize(qMax(1, qRound(pixels)));
    font.setWeight(QFont::Weight(weight));
    return font;
}

void drawCover(QPainter& painter, const QRect& area, const QPixmap& picture)
{
    // Fills the area keeping the picture's proportions; the overflow is cut evenly.
    const QSizeF scaled = QSizeF(picture.size()).scaled(area.size(), Qt::KeepAspectRatioByExpanding);
    QRectF source(QPointF(0, 0), QSizeF(area.width() * picture.width() / scaled.width(),
                                        area.height() * picture.height() / scaled.height()));
    source.moveCenter(QRectF(picture.rect()).center());
    painter.drawPixmap(QRectF(area), picture, source);
}

} // namespace

MenuPlayer::MenuPlayer(QWidget* parent) : QWidget(parent)
{
    setObjectName(u"ShockwaveFlash1"_s);
    setAccessibleName(u"主菜单"_s);
    setFocusPolicy(Qt::NoFocus);
}

bool MenuPlayer::loadMovie(const QString& descriptionFile, QString* error)
{
    std::optional<MenuDescription> menu = MenuDescription::load(descriptionFile, error);
    if (!menu)
        return false;
    m_menu = *menu;
    m_background = QPixmap();
    if (!m_menu.background.isEmpty())
        m_background = QPixmap(QFileInfo(descriptionFile).dir().filePath(m_menu.background));
    createEntries();
    return true;
}

void MenuPlayer::play()
{
    layoutEntries();
    for (MenuEntry* entry : std::as_const(m_entries))
        entry->show();
    if (!m_entries.isEmpty())
        m_entries.first()->setFocus(Qt::OtherFocusReason);
    update();
}

MenuEntry* MenuPlayer::entry(const QString& command) const
{
    for (MenuEntry* entry : m_entries) {
        if (entry->command() == command)
            return entry;
    }
    return nullptr;
}

void MenuPlayer::createEntries()
{
    qDeleteAll(m_entries);
    m_entries.clear();
    auto add = [this](const MenuDescription::Entry& item, MenuEntry::Kind kind, int column, int row) {
        auto* entry = new MenuEntry(item.caption, item.command, kind, this);
        entry->setGridPosition(column, row);
        entry->hide();
        connect(entry, &MenuEntry::clicked, this,
                [this, entry] { Q_EMIT FSCommand(entry->command(), QString()); });
        connect(entry, &MenuEntry::navigate, this,
                [this, entry](int dx, int dy) { moveFocus(entry, dx, dy); });
        m_entries.append(entry);
    };
    for (int column = 0; column < m_menu.groups.size(); ++column) {
        const auto& group = m_menu.groups[column];
        for (int row = 0; row < group.entries.size(); ++row)
            add(group.entries[row], MenuEntry::Kind::Group, column, row);
    }
    for (int i = 0; i < m_menu.footer.size(); ++i)
        add(m_menu.footer[i], MenuEntry::Kind::Footer, -1, i);
    // Tab follows the groups from left to right, then the footer.
    for (qsizetype i = 1; i < m_entries.size(); ++i)
        setTabOrder(m_entries[i - 1], m_entries[i]);
}

qreal MenuPlayer::scale() const
{
    return std::clamp(qMin(width() / DesignWidth, height() / DesignHeight), 1.0, MaxScale);
}

void MenuPlayer::resizeEvent(QResizeEvent*)
{
    layoutEntries();
}

void MenuPlayer::layoutEntries()
{
    const qreal s = scale();
    const qreal margin = Margin * s;
    m_header = QRectF(margin, margin * 0.6, width() - 2 * margin, HeaderHeight * s);
    m_footer =
        QRectF(margin, height() - margin * 0.6 - FooterHeight * s, width() - 2 * margin, FooterHeight * s);

    const int columns = int(m_menu.groups.size());
    int rows = 0;
    for (const auto& group : std::as_const(m_menu.groups))
        rows = qMax(rows, int(group.entries.size()));
    const qreal cardHeight =
        (CardPadding * 2 + CardCaptionHeight + rows * EntryHeight + (rows - 1) * EntryGap) * s;
    const qreal areaTop = m_header.bottom();
    const qreal areaHeight = m_footer.top() - areaTop;
    // Wide screens keep cards of a readable width, centred.
    const qreal maxCardWidth = 230 * s;
    const qreal cardWidth =
        columns > 0 ? qMin(maxCardWidth, (width() - 2 * margin - (columns - 1) * CardGap * s) / columns) : 0;
    const qreal gridWidth = columns * cardWidth + qMax(0, columns - 1) * CardGap * s;
    const qreal left = (width() - gridWidth) / 2;
    const qreal top = areaTop + qMax<qreal>(0, (areaHeight - cardHeight) / 2);

    const QFont entryFont = scaledFont(font(), 15 * s);
    m_cards.clear();
    for (int column = 0; column < columns; ++column) {
        const QRectF frame(left + column * (cardWidth + CardGap * s), top, cardWidth, cardHeight);
        const QRectF caption(frame.left() + CardPadding * s, frame.top() + CardPadding * s,
                             frame.width() - 2 * CardPadding * s, CardCaptionHeight * s);
        m_cards.append({frame, caption, m_menu.groups[column].caption});
    }
    const qreal footerEntryWidth = 132 * s;
    const qreal footerEntryHeight = EntryHeight * s;
    int footerCount = 0;
    for (const MenuEntry* entry : std::as_const(m_entries))
        footerCount += entry->kind() == MenuEntry::Kind::Footer ? 1 : 0;
    for (MenuEntry* entry : std::as_const(m_entries)) {
        entry->setFont(entryFont);
        if (entry->kind() == MenuEntry::Kind::Footer) {
            const qreal x = m_footer.right() -
                            (footerCount - entry->row()) * (footerEntryWidth + CardGap * s) + CardGap * s;
            const qreal y = m_footer.center().y() - footerEntryHeight / 2;
            entry->setGeometry(QRectF(x, y, footerEntryWidth, footerEntryHeight).toRect());
            continue;
        }
        const Card& card = m_cards[entry->column()];
        const qreal y = card.caption.bottom() + entry->row() * (EntryHeight + EntryGap) * s;
        entry->setGeometry(QRectF(card.caption.left(), y, card.caption.width(), EntryHeight * s).toRect());
    }
    update();
}

MenuEntry* MenuPlayer::entryAt(int column, int row) const
{
    for (MenuEntry* entry : m_entries) {
        if (entry->column() == column && entry->row() == row)
            return entry;
    }
    return nullptr;
}

void MenuPlayer::moveFocus(MenuEntry* from, int dx, int dy)
{
    const int columns = int(m_menu.groups.size());
    auto rowsOf = [this](int column) {
        return column < 0 ? int(m_menu.footer.size()) : int(m_menu.groups[column].entries.size());
    };
    MenuEntry* to = nullptr;
    if (from->column() < 0) {
        // The footer is one row below all groups.
        if (dx != 0)
            to = entryAt(-1, std::clamp(from->row() + dx, 0, rowsOf(-1) - 1));
        else if (dy < 0 && columns > 0)
            to = entryAt(columns - 1, rowsOf(columns - 1) - 1);
    } else if (dx != 0) {
        const int column = std::clamp(from->column() + dx, 0, columns - 1);
        to = entryAt(column, qMin(from->row(), rowsOf(column) - 1));
    } else if (from->row() + dy >= rowsOf(from->column()) && rowsOf(-1) > 0) {
        to = entryAt(-1, rowsOf(-1) - 1);
    } else {
        to = entryAt(from->column(), std::clamp(from->row() + dy, 0, rowsOf(from->column()) - 1));
    }
    if (to)
        to->setFocus(Qt::OtherFocusReason);
}

void MenuPlayer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!m_background.isNull()) {
        drawCover(painter, rect(), m_background);
    } else {
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0, Theme::Accent.darker(140));
        fill.setColorAt(1, Theme::Accent.lighter(130));
        painter.fillRect(rect(), fill);
    }
    const qreal s = scale();
    paintHeader(painter, s);

    const QFont captionFont = scaledFont(font(), 16 * s, QFont::DemiBold);
    for (const Card& card : std::as_const(m_cards)) {
        QPainterPath shape;
        shape.addRoundedRect(card.frame, 12 * s, 12 * s);
        painter.fillPath(shape, Theme::overPicture(Theme::Paper, 215));
        painter.setPen(QPen(Theme::overPicture(Theme::OnDark, 160), 1));
        painter.drawPath(shape);
        painter.setFont(captionFont);
        painter.setPen(Theme::Accent.darker(115));
        painter.drawText(card.caption.adjusted(0, 0, 0, -6 * s), Qt::AlignCenter, card.text);
        const qreal lineY = card.caption.bottom() - 8 * s;
        painter.fillRect(QRectF(card.caption.center().x() - 18 * s, lineY, 36 * s, 2.5 * s), Theme::Accent);
    }

    // The keyboard hint at the left of the footer.
    painter.setFont(scaledFont(font(), 12.5 * s));
    painter.setPen(Theme::overPicture(Theme::OnDark, 225));
    painter.drawText(m_footer, Qt::AlignLeft | Qt::AlignVCenter, u"方向键或 Tab 选择，回车确认"_s);
}

void MenuPlayer::paintHeader(QPainter& painter, qreal s)
{
    const QRectF titleArea(m_header.left(), m_header.top(), m_header.width(), m_header.height() * 0.62);
    painter.setFont(scaledFont(font(), 30 * s, QFont::Bold));
    painter.setPen(Theme::Shadow);
    painter.drawText(titleArea.translated(1.5 * s, 1.5 * s), Qt::AlignLeft | Qt::AlignBottom, m_menu.title);
    painter.setPen(Theme::OnDark);
    painter.drawText(titleArea, Qt::AlignLeft | Qt::AlignBottom, m_menu.title);
    painter.setFont(scaledFont(font(), 14 * s));
    painter.setPen(Theme::overPicture(Theme::OnDark, 215));
    painter.drawText(
        QRectF(m_header.left(), titleArea.bottom() + 4 * s, m_header.width(), m_header.height() * 0.3),
        Qt::AlignLeft | Qt::AlignTop, m_menu.subtitle);
}
