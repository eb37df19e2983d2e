// SPDX-License-Identifier: MIT
#include "MessageBoxesAndBrowser.h"

#include "AppInfo.h"

#include <QApplication>
#include <QDesktopServices>
#include <QPointer>
#include <QUrl>
#include <QWidget>

namespace dicemere {

std::unique_ptr<QMessageBox> QtMessageBoxes::Build(QWidget* parent, MsgIcon icon,
                                                   MsgButtons buttons, const QString& text) {
    auto box = std::make_unique<QMessageBox>(
        icon == MsgIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
        QString::fromLatin1(kAppName), text, QMessageBox::NoButton, parent);
    if (buttons == MsgButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    return box;
}

MsgAnswer QtMessageBoxes::Show(QWidget* parent, MsgIcon icon, MsgButtons buttons,
                               const QString& text) {
    const auto box = Build(parent, icon, buttons, text);
    const int answer = box->exec();
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void QtUrlOpener::Open(const QString& address) {
    // The result is not examined: with no browser the program carries on.
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

bool QuotesWebAddress(const QString& message) {
    return message.contains(QLatin1String("http://"), Qt::CaseInsensitive) ||
           message.contains(QLatin1String("https://"), Qt::CaseInsensitive);
}

void CloseAllWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            windows.append(w);
    for (const QPointer<QWidget>& w : windows)
        if (w)
            w->close();
}

} // namespace dicemere
