// Build tool: renders the application icon (SVG) to PNG files of the given pixel sizes.
//   phrasebook-render-icon ICON.svg OUTPUT_DIR SIZE...
// writes OUTPUT_DIR/<SIZE>x<SIZE>/apps/phrasebook.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: phrasebook-render-icon ICON.svg OUTPUT_DIR SIZE...\n");
        return 2;
    }
    const QString source = arguments.at(1);
    const QString output = arguments.at(2);
    for (int i = 3; i < arguments.size(); ++i) {
        bool ok = false;
        const int size = arguments.at(i).toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "phrasebook-render-icon: bad size '%s'\n", arguments.at(i).toLocal8Bit().constData());
            return 2;
        }
        QImageReader reader(source);
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        if (image.isNull()) {
            std::fprintf(stderr, "phrasebook-render-icon: cannot read %s: %s\n", source.toLocal8Bit().constData(),
                         reader.errorString().toLocal8Bit().constData());
            return 1;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(output).arg(size);
        QDir().mkpath(folder);
        if (!image.save(folder + QStringLiteral("/phrasebook.png"), "PNG")) {
            std::fprintf(stderr, "phrasebook-render-icon: cannot write into %s\n", folder.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
