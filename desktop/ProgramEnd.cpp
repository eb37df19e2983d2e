#include "ProgramEnd.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace dicemere {

void ProgramEnd::CloseAllAndEnd() {
    if (ending_)
        return;
    ending_ = true;
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            windows.append(w);
    for (const QPointer<QWidget>& w : windows)
        if (w)
            w->close();
    if (endProcess_)
        endProcess_();
}

} // namespace dicemere
