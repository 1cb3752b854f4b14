// Labels of hostile size, each read by every headless mode and by the window,
// as separate processes: wall time, peak memory (resident) and, for --info,
// the size of the output. Targets: each run under 10 s and 1 GB; a repaint of
// the window under 100 ms; the --info dump of the deep tree under 50 MB.
//
//   bench_stress [CASE...]      all cases, or those named
//   bench_stress --open FILE    (internal) opens FILE in a view and times it
#include "document/CCovermintDoc.h"
#include "view/CCovermintView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <time.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kTimeoutSeconds = 120;

// ------------------------------------------------------------ the labels

void Primitive(QByteArray& out, const char* type, const QByteArray& body)
{
    out += "<PRIMITIVE><FGCOLORR>0</FGCOLORR><FGCOLORG>0</FGCOLORG><FGCOLORB>0</FGCOLORB><ISSELECTABLE>1</ISSELECTABLE>"
           "<ISMOVEABLE>1</ISMOVEABLE><PRIMNAME></PRIMNAME><PRIMSEGMENTNAME></PRIMSEGMENTNAME><PRIMTYPE>";
    out += type;
    out += "</PRIMTYPE>";
    out += body;
    out += "</PRIMITIVE>\n";
}

QByteArray Point(int x, int y)
{
    return "<POINT><X>" + QByteArray::number(x) + "</X><Y>" + QByteArray::number(y) + "</Y></POINT>";
}

QByteArray Text(const QByteArray& text, double points, int x, int y)
{
    return "<PTSIZE>" + QByteArray::number(points, 'f', 6) + "</PTSIZE><FACENAME>Liberation Sans</FACENAME><TEXT>" + text
        + "</TEXT><ROTATION>0</ROTATION><JUSTIFICATION>0</JUSTIFICATION><FONTATTR>0</FONTATTR>" + Point(x, y);
}

QByteArray Label(const QByteArray& tree, const QByteArray& primitives)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<COVERMINTLABEL><DESCRIPTION></DESCRIPTION><NAME></NAME>"
           "<AUTHOR></AUTHOR><CREATED></CREATED><VERSION>2.0 Bld 1</VERSION><DIRECTORYINFO><DIRECTORY><FILENAME>"
           "</FILENAME><CHILDREN>"
        + tree
        + "</CHILDREN></DIRECTORY><DIRECTORYINFOSEGMENTNAME></DIRECTORYINFOSEGMENTNAME></DIRECTORYINFO>"
          "<DRAWINGENGINE> "
        + primitives + "</DRAWINGENGINE></COVERMINTLABEL>\n";
}

// Shapes of every kind, small texts and short strokes spread over the page.
QByteArray ManyPrimitives()
{
    QByteArray out;
    const char* const shapes[] = {"CRectangle", "CEllipse", "CRoundedRect", "CLine"};
    for (int i = 0; i < 100000; ++i) {
        const int x = (i * 37) % 800;
        const int y = -((i * 53) % 1050);
        if (i % 10 == 8) {
            Primitive(out, "CTextPrimitive", Text("Track " + QByteArray::number(i), 8, x, y));
        } else if (i % 10 == 9) {
            QByteArray points = "<PENWIDTH>1</PENWIDTH>";
            for (int p = 0; p < 8; ++p)
                points += Point(x + p * 3, y - (p % 2) * 4);
            Primitive(out, "CFreehand", points);
        } else {
            Primitive(out, shapes[i % 4], "<PENWIDTH>2</PENWIDTH><HOLLOWFILL>" + QByteArray::number(i % 2)
                    + "</HOLLOWFILL>" + Point(x, y) + Point(x + 40, y - 30));
        }
    }
    return Label({}, out);
}

// One text value of 20 MB, in lines of 100 characters.
QByteArray LongText()
{
    QByteArray line = QByteArray(98, 'x');
    line += "&#13;\n";
    QByteArray text;
    text.reserve(21 * 1024 * 1024);
    while (text.size() < 20 * 1024 * 1024)
        text += line;
    QByteArray out;
    Primitive(out, "CTextPrimitive", Text(text, 12, 20, -20));
    return Label({}, out);
}

QByteArray BigTexts()
{
    QByteArray out;
    for (int i = 0; i < 10000; ++i)
        Primitive(out, "CTextPrimitive", Text("Big " + QByteArray::number(i), 700, (i * 7) % 700, -((i * 11) % 1000)));
    return Label({}, out);
}

// 255 levels, 200 files on each.
QByteArray DeepTree()
{
    QByteArray files;
    for (int f = 0; f < 200; ++f)
        files += "<FILE><FILENAME>file " + QByteArray::number(f) + ".mp3</FILENAME><FILESIZE>4096</FILESIZE>"
            "<LASTWRITETIME_1>0</LASTWRITETIME_1><LASTWRITETIME_2>0</LASTWRITETIME_2>"
            "<SONGLENGTHINSECONDS>215</SONGLENGTHINSECONDS></FILE>";
    QByteArray tree;
    for (int level = 0; level < 255; ++level)
        tree += files + "<DIRECTORY><FILENAME>level " + QByteArray::number(level) + "</FILENAME><CHILDREN>";
    for (int level = 0; level < 255; ++level)
        tree += "</CHILDREN></DIRECTORY>";
    return Label(tree, {});
}

// A scribble of 300,000 points, one to two units apart, pen width 50.
QByteArray LongStroke()
{
    QByteArray points = "<PENWIDTH>50</PENWIDTH>";
    points.reserve(300000 * 40);
    for (int i = 0; i < 300000; ++i) {
        const double t = i * 0.0006;
        points += Point(int(425 + 380 * std::sin(t * 7.0)), int(-550 - 500 * std::sin(t * 5.0 + 0.5)));
    }
    QByteArray out;
    Primitive(out, "CFreehand", points);
    return Label({}, out);
}

// A JPEG whose header claims 10,240 x 10,240 pixels (105 megapixels).
QByteArray HugePictureLabel(const QString& folder)
{
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::blue);
    const QString path = folder + QStringLiteral("/huge.jpg");
    small.save(path, "JPG");
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    QByteArray bytes = file.readAll();
    // Walks the markers to the frame header.
    qsizetype at = 2;
    while (at + 9 < bytes.size() && uchar(bytes[at + 1]) != 0xc0)
        at += 2 + (uchar(bytes[at + 2]) << 8 | uchar(bytes[at + 3]));
    for (int i : {5, 7}) { // height, then width
        bytes[at + i] = char(0x28);
        bytes[at + i + 1] = char(0x00);
    }
    file.seek(0);
    file.write(bytes);
    QByteArray out;
    Primitive(out, "CImagePrimitive", "<FILENAME>" + QFile::encodeName(path) + "</FILENAME>" + Point(0, 0)
            + Point(200, -200));
    return Label({}, out);
}

// ------------------------------------------------------------ measuring

struct Measured
{
    double seconds = 0;
    double cpuSeconds = 0; // user + system: what a loaded machine does not inflate
    long peakMb = 0;
    int status = -1; // exit code; -1 killed or timed out
};

// Runs argv with stdout to outPath, waiting at most kTimeoutSeconds.
Measured RunMeasured(const std::vector<QByteArray>& args, const QByteArray& outPath)
{
    std::vector<char*> argv;
    for (const QByteArray& a : args)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    QElapsedTimer clock;
    clock.start();
    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 2);
        alarm(kTimeoutSeconds);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Measured m;
    m.seconds = double(clock.nsecsElapsed()) / 1e9;
    m.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    m.peakMb = usage.ru_maxrss / 1024;
    m.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return m;
}

QString Describe(const Measured& m)
{
    if (m.status == -1)
        return QStringLiteral("killed/timeout after %1 s").arg(m.seconds, 0, 'f', 1);
    return QStringLiteral("%1 s (cpu %2 s) %3 MB exit %4")
        .arg(m.seconds, 0, 'f', 2)
        .arg(m.cpuSeconds, 0, 'f', 2)
        .arg(m.peakMb)
        .arg(m.status);
}

struct Case
{
    const char* name;
    std::function<QByteArray(const QString& folder)> make;
};

void RunCase(const Case& c, const QString& folder, const QByteArray& self)
{
    const QString label = folder + QLatin1Char('/') + QLatin1String(c.name) + QStringLiteral(".cla");
    {
        QFile file(label);
        file.open(QIODevice::WriteOnly);
        file.write(c.make(folder));
    }
    const QByteArray path = QFile::encodeName(label);
    const QByteArray out = QFile::encodeName(folder + QStringLiteral("/out"));
    std::printf("== %s (%.1f MB)\n", c.name, double(QFileInfo(label).size()) / (1024 * 1024));
    const Measured info = RunMeasured({COVERMINT_BINARY, "--info", path}, out);
    std::printf("  --info      %s, output %.1f MB\n", qPrintable(Describe(info)),
                double(QFileInfo(QString::fromLocal8Bit(out)).size()) / (1024 * 1024));
    for (const char* format : {"pdf", "png", "svg"}) {
        const QByteArray target = out + '.' + format;
        const Measured m = RunMeasured({COVERMINT_BINARY, "--export", target, path}, out);
        std::printf("  --export %s %s, file %.1f MB\n", format, qPrintable(Describe(m)),
                    double(QFileInfo(QString::fromLocal8Bit(target)).size()) / (1024 * 1024));
        QFile::remove(QString::fromLocal8Bit(target));
    }
    const Measured open = RunMeasured({self, "--open", path}, out);
    QFile report(QString::fromLocal8Bit(out));
    report.open(QIODevice::ReadOnly);
    std::printf("  window      %s, %s\n", qPrintable(Describe(open)), report.readAll().trimmed().constData());
    std::fflush(stdout);
    QFile::remove(label);
}

// The child of the window case: load, first paint, then the median of five
// repaints of a 1000 x 750 view at its opening zoom and at 300 percent.
int OpenInView(int argc, char** argv, const QString& path)
{
    QApplication app(argc, argv);
    QElapsedTimer clock;
    clock.start();
    CCovermintDoc document;
    document.Load(path);
    const double load = double(clock.nsecsElapsed()) / 1e6;
    CCovermintView view(document);
    view.resize(1000, 750);
    view.show();
    QWidget* port = view.viewport();
    QImage image(port->size(), QImage::Format_RGB32);
    clock.restart();
    port->render(&image);
    const double first = double(clock.nsecsElapsed()) / 1e6;
    // Process CPU time, which the other work on a busy machine does not inflate.
    auto cpuMs = [] {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
    };
    auto median = [&] {
        std::vector<double> times;
        for (int i = 0; i < 5; ++i) {
            const double start = cpuMs();
            port->render(&image);
            times.push_back(cpuMs() - start);
        }
        std::sort(times.begin(), times.end());
        return times[2];
    };
    const double repaint = median();
    view.SetZoom(300);
    port->render(&image);
    const double zoomed = median();
    std::printf("load %.0f ms, first paint %.0f ms, repaint (cpu) %.1f ms, at 300%% %.1f ms\n", load, first, repaint,
                zoomed);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && QByteArray(argv[1]) == "--open")
        return OpenInView(argc, argv, QString::fromLocal8Bit(argv[2]));

    QTemporaryDir scratch;
    const QString folder = scratch.path();
    // The children start as a fresh user of a throw-away home.
    qputenv("HOME", QFile::encodeName(folder + QStringLiteral("/home")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder + QStringLiteral("/config")));
    QDir().mkpath(folder + QStringLiteral("/home"));
    unsetenv("DISPLAY");

    const std::vector<Case> cases = {
        {"primitives-100k", [](const QString&) { return ManyPrimitives(); }},
        {"text-20MB", [](const QString&) { return LongText(); }},
        {"picture-105MP", HugePictureLabel},
        {"texts-700pt", [](const QString&) { return BigTexts(); }},
        {"tree-255x200", [](const QString&) { return DeepTree(); }},
        {"stroke-300k", [](const QString&) { return LongStroke(); }},
    };
    QStringList wanted;
    for (int i = 1; i < argc; ++i)
        wanted << QString::fromLocal8Bit(argv[i]);
    const QByteArray self = QFile::encodeName(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    for (const Case& c : cases)
        if (wanted.isEmpty() || wanted.contains(QLatin1String(c.name)))
            RunCase(c, folder, self);
    return 0;
}
