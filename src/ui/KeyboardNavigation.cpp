#include "KeyboardNavigation.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

namespace {

bool isEnter(const QKeyEvent& key)
{
    const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && modifiers == Qt::NoModifier;
}

} // namespace

KeyboardNavigation::KeyboardNavigation(QObject* parent) : QObject(parent) {}

void KeyboardNavigation::install(QWidget& window)
{
    window.installEventFilter(new KeyboardNavigation(&window));
}

KeyboardNavigation& KeyboardNavigation::rowActivation()
{
    static auto* filter = new KeyboardNavigation(QCoreApplication::instance());
    return *filter;
}

void KeyboardNavigation::adopt(QAbstractItemView& view)
{
    view.setTabKeyNavigation(false);
    // Installing again moves the filter to the front instead of adding it twice.
    view.installEventFilter(&rowActivation());
}

void KeyboardNavigation::adoptViewsOf(QWidget& window)
{
    for (QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
        // A combo box's or completer's popup list keeps its own Enter.
        if (view->window() == &window)
            adopt(*view);
    }
}

bool KeyboardNavigation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched == parent()) {
        adoptViewsOf(*static_cast<QWidget*>(watched));
        return false;
    }
    auto* view = qobject_cast<QAbstractItemView*>(watched);
    if (!view || event->type() != QEvent::KeyPress || !isEnter(*static_cast<QKeyEvent*>(event)))
        return false;
    const QModelIndex row = view->currentIndex();
    // An Enter passed up from an open cell editor belongs to the editor.
    if (view->window()->focusWidget() != view || !row.isValid())
        return false;
    // The same signals, in the same order, as a double-click with the mouse.
    const QPointer<QAbstractItemView> alive(view);
    Q_EMIT view->doubleClicked(row);
    if (alive)
        Q_EMIT view->activated(row);
    return true;
}
