// Started by bench_startup: shows either the program's main window (as main
// wires it, with its port on a local TCP listener) or a bare Qt main window,
// prints "shown" when the window has painted for the first time, and exits
// at once.
#include "BenchProgram.h"

#include <QApplication>
#include <QMainWindow>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Reports the first paint of the watched window and ends the process.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellicor"));
    FirstPaint watcher;
    const bool bare = argc > 1 && qstrcmp(argv[1], "bare") == 0;
    std::unique_ptr<vellicor::bench::BenchProgram> program;
    std::unique_ptr<QMainWindow> window;
    if (bare) {
        window = std::make_unique<QMainWindow>();
        window->resize(800, 600);
        window->installEventFilter(&watcher);
        window->show();
    } else {
        program = std::make_unique<vellicor::bench::BenchProgram>();
        program->startShowing(&watcher);
    }
    return QApplication::exec();
}
