// SPDX-License-Identifier: MIT
#include "FirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace dicemere {

namespace {

class Probe final : public QObject {
public:
    explicit Probe(QWidget* window) : QObject(window), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            done_ = true;
            // Report once the paint has been handled, then leave.
            QTimer::singleShot(0, [window = window_] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("first-paint %lld\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                // What the window shows, for comparing two programs' first paints.
                if (const QString file = qEnvironmentVariable("DICEMERE_FIRST_PAINT_GRAB");
                    !file.isEmpty())
                    window->grab().save(file);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget* window_;
    bool done_ = false;
};

} // namespace

void InstallFirstPaintProbe(QWidget* window) {
    if (!window || qEnvironmentVariableIsEmpty("DICEMERE_FIRST_PAINT_PROBE"))
        return;
    QCoreApplication::instance()->installEventFilter(new Probe(window));
}

} // namespace dicemere
