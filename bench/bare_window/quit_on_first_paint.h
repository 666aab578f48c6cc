// Ends the application right after the given window has been painted for the first time, with
// all its children: what start-up is measured to. At that moment it prints one line,
// "first-paint <CLOCK_MONOTONIC in ns> <CPU time used so far in µs>", for the measuring script.
// Only the start-up measurement builds use it.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

class QuitOnFirstPaint : public QObject
{
public:
    explicit QuitOnFirstPaint(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The children are painted in the same pass, right after the window; the report and the
        // quit come from the event loop once that pass is over.
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, QCoreApplication::instance(), [] {
                report();
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    static void report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const long long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL +
                              usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
        std::printf("first-paint %lld %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec, cpu);
        std::fflush(stdout);
    }
};
