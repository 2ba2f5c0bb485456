#pragma once

#include <QList>
#include <QWidget>

// The controls Tab visits, in order, from a first one on; a control that hands
// its focus to another (an editable combo box's edit) is the other's part.
inline QList<QWidget *> tabChain(QWidget *first, qsizetype count)
{
    QList<QWidget *> chain;
    for (QWidget *widget = first; chain.size() < count; widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy())
            chain << widget;
        if (widget->nextInFocusChain() == first)
            break;
    }
    return chain;
}
