#include "WindowShot.h"

#include "controls/Form.h"
#include "controls/Startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QTextStream>
#include <cstdio>

namespace windowshot {
namespace {

QImage titleBar(const TForm &form)
{
    const int width = form.width();
    QImage bar(width, TForm::kFrameHeight - 4, QImage::Format_RGB32);
    QPainter p(&bar);
    QLinearGradient g(0, 0, width, 0);
    g.setColorAt(0, QColor(0x0A, 0x24, 0x6A));
    g.setColorAt(1, QColor(0xA6, 0xCA, 0xF0));
    p.fillRect(bar.rect(), g);
    QFont f(QStringLiteral("Tahoma"), 8);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(bar.rect().adjusted(6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, form.caption());
    int x = width - 20;
    auto box = [&](const QString &glyph, bool on) {
        const QRect r(x, 5, 16, 15);
        p.fillRect(r, QColor(0xD4, 0xD0, 0xC8));
        p.setPen(on ? Qt::black : QColor(0x80, 0x80, 0x80));
        p.drawText(r, Qt::AlignCenter, glyph);
        x -= 18;
    };
    if (form.borderIcons() & TForm::SystemMenu) {
        box(QStringLiteral("x"), true);
        if (form.borderIcons() & (TForm::Minimize | TForm::Maximize)) {
            box(QStringLiteral("[]"), form.borderIcons() & TForm::Maximize);
            box(QStringLiteral("_"), form.borderIcons() & TForm::Minimize);
        }
    }
    return bar;
}

} // namespace

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void shoot(TForm &form, const QString &file, QWidget *popup)
{
    settle();
    QRect area = form.geometry();
    if (popup && popup->isVisible())
        area = area.united(QRect(popup->mapToGlobal(QPoint(0, 0)), popup->size()));
    // The screen's picture is in device pixels: scaled from the window's.
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    const qreal ratio = screen.devicePixelRatio();
    const QRect device(area.topLeft() * ratio, area.size() * ratio);
    QImage client = screen.copy(device).toImage();
    client.setDevicePixelRatio(1);  // pasted pixel for pixel
    const bool framed = form.borderStyle() != TForm::BorderStyle::None;
    const int top = framed ? qRound((TForm::kFrameHeight - 4) * ratio) : 0;
    QImage out(client.width(), client.height() + top, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    if (framed)
        p.drawImage(QRect(0, 0, client.width(), top), titleBar(form));
    p.drawImage(0, top, client);
    p.end();
    out.save(file);
    QTextStream(stdout) << file << " " << form.objectName() << " client " << form.width() << "x" << form.height()
                        << " outer height " << form.outerHeight() << "\n";
}

int &Program::at96Dpi(int &argc)
{
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    return argc;
}

MsgAnswer Program::KeepsRunning::message(const MessageRecord &box)
{
    std::fprintf(stderr, "message answered: %s\n", qPrintable(box.text));
    // "Tidak" keeps what a picture was set up with (lines waiting under a number, typing).
    if (box.kind == MsgKind::YesNo || box.kind == MsgKind::YesNoCancel)
        return MsgAnswer::No;
    return firstAnswer(box.kind);
}

// A dark theme's colours.
static QPalette darkPalette()
{
    QPalette p(Qt::white, QColor(0x35, 0x35, 0x35), QColor(0x4a, 0x4a, 0x4a), QColor(0x20, 0x20, 0x20),
               QColor(0x2a, 0x2a, 0x2a), Qt::white, Qt::white, QColor(0x2a, 0x2a, 0x2a), QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    return p;
}

Program::Program(int &argc, char **argv) : m_app(at96Dpi(argc), argv)
{
    startup::initialise();
    installUserInterface(&m_desktop);
    QStringList args = QCoreApplication::arguments().mid(1);
    // A dark desktop theme, as a person with one sees the windows.
    if (args.removeAll(QStringLiteral("--dark"))) {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(darkPalette());
    }
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: %s [--dark] <output folder>\n", argv[0]);
        return;
    }
    m_out = QDir(args.first());
    QDir().mkpath(m_out->path());
}
} // namespace windowshot
