#pragma once

// A virtual X screen (Xvfb) with the tools a person's hands would use on it:
// xdotool to find windows, move the pointer, click and type, and ImageMagick's
// import to look at a window. Needs xvfb, xdotool and imagemagick.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QThread>

namespace zendaro::test {

class XScreen {
public:
    XScreen() {
        // The server picks a free display itself and tells its number on
        // standard output, so screens started at the same time never collide.
        server_.setProgram(QStringLiteral("Xvfb"));
        server_.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                              QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                              QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start();
        server_.waitForStarted(5000);
        QByteArray number;
        for (int i = 0; i < 200 && !number.endsWith('\n') && server_.state() == QProcess::Running; ++i) {
            server_.waitForReadyRead(50);
            number += server_.readAllStandardOutput();
        }
        bool ok = false;
        const int n = number.trimmed().toInt(&ok);
        display_ = QStringLiteral(":%1").arg(n);
        ready_ = ok && server_.state() == QProcess::Running &&
                 QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n));
    }
    ~XScreen() {
        server_.terminate();
        server_.waitForFinished(3000);
    }
    XScreen(const XScreen&) = delete;
    XScreen& operator=(const XScreen&) = delete;

    bool ready() const { return ready_; }
    const QString& display() const { return display_; }

    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display_);
        return env;
    }

    // Runs a tool on this screen; its standard output (trimmed unless raw).
    QByteArray run(const QString& tool, const QStringList& arguments, int* status = nullptr) const {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(tool, arguments);
        process.waitForFinished(10000);
        if (status)
            *status = process.exitCode();
        return process.readAllStandardOutput();
    }
    QString xdotool(const QStringList& arguments) const {
        return QString::fromLocal8Bit(run(QStringLiteral("xdotool"), arguments)).trimmed();
    }

    // The visible windows whose title matches the pattern (an anchored regex).
    QStringList windows(const QString& titlePattern) const {
        return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                        titlePattern})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // Waits until the visible windows with that title are exactly as many as
    // asked for and stay so for a moment; returns them (empty on time-out).
    QStringList waitForWindows(const QString& titlePattern, int count, int timeoutMs = 20000) const {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            const QStringList found = windows(titlePattern);
            if (found.size() == count) {
                QThread::msleep(250);
                if (windows(titlePattern) == found)
                    return found;
            } else {
                QThread::msleep(50);
            }
        }
        return {};
    }

    QRect geometry(const QString& window) const {
        const QString shell =
            xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
        QRect r;
        for (const QString& line : shell.split(QLatin1Char('\n'))) {
            const QString value = line.section(QLatin1Char('='), 1);
            if (line.startsWith(QLatin1String("X=")))
                r.moveLeft(value.toInt());
            else if (line.startsWith(QLatin1String("Y=")))
                r.moveTop(value.toInt());
            else if (line.startsWith(QLatin1String("WIDTH=")))
                r.setWidth(value.toInt());
            else if (line.startsWith(QLatin1String("HEIGHT=")))
                r.setHeight(value.toInt());
        }
        return r;
    }

    // A left click at a point of a window, the pointer moved there first and
    // left to rest a moment (the picture buttons follow the real pointer).
    void clickAt(const QString& window, QPoint at) const {
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(at.x()),
                 QString::number(at.y())});
        QThread::msleep(200);
        xdotool({QStringLiteral("click"), QStringLiteral("1")});
        QThread::msleep(100);
    }

    // Keys (xdotool key names) or text to the window, which gets the focus first.
    void keys(const QString& window, const QStringList& names) const {
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
        xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")} + names);
    }
    void type(const QString& window, const QString& text) const {
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"), text});
    }

    // What the window shows now.
    QImage picture(const QString& window) const {
        return QImage::fromData(
            run(QStringLiteral("import"), {QStringLiteral("-window"), window, QStringLiteral("png:-")}),
            "PNG");
    }

private:
    QProcess server_;
    QString display_;
    bool ready_ = false;
};

} // namespace zendaro::test
