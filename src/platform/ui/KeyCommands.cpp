#include "KeyCommands.h"

#include <QList>
#include <QPointer>

#include <algorithm>

namespace {
struct Entry
{
    QPointer<QWidget> view;
    quint64 rank = 0;  // order of the view's first registration: later is higher
    bool modal = false;
    QList<QPair<QKeyCombination, std::function<void()>>> commands;
};

QList<Entry> &registry()
{
    static QList<Entry> entries;
    return entries;
}

Entry &entryFor(QWidget *view)
{
    static quint64 nextRank = 0;
    QList<Entry> &entries = registry();
    entries.removeIf([](const Entry &entry) { return entry.view.isNull(); });
    for (Entry &entry : entries) {
        if (entry.view == view)
            return entry;
    }
    entries.append(Entry{view, ++nextRank, false, {}});
    return entries.last();
}

QKeyCombination normalised(QKeyCombination key)
{
    Qt::KeyboardModifiers modifiers = key.keyboardModifiers() & ~Qt::KeypadModifier;
    Qt::Key code = key.key() == Qt::Key_Enter ? Qt::Key_Return : key.key();
    return QKeyCombination(modifiers, code);
}
}

namespace KeyCommands {
void add(QWidget *view, QKeyCombination key, std::function<void()> action, Scope scope)
{
    if (!view || !action)
        return;
    Entry &entry = entryFor(view);
    entry.modal = entry.modal || scope == Scope::Modal;
    entry.commands.append({normalised(key), std::move(action)});
}

void setModal(QWidget *view)
{
    if (view)
        entryFor(view).modal = true;
}

bool dispatch(QWidget *window, QKeyCombination key)
{
    const QKeyCombination wanted = normalised(key);
    QList<Entry> shown;
    for (const Entry &entry : std::as_const(registry())) {
        if (entry.view && entry.view->isVisible() && entry.view->window() == window)
            shown.append(entry);
    }
    std::sort(shown.begin(), shown.end(), [](const Entry &a, const Entry &b) { return a.rank > b.rank; });
    for (const Entry &entry : std::as_const(shown)) {
        for (const auto &[combination, action] : entry.commands) {
            if (combination == wanted) {
                const std::function<void()> run = action;  // the action may remove its view
                run();
                return true;
            }
        }
        if (entry.modal)
            return false;
    }
    return false;
}
}
