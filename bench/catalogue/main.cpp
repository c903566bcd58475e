// Cold load of a generated 20,000-phrase catalogue, next to the floor: Base64 decoding,
// DES decryption and JSON parsing of the same phrase-list bytes, measured in the same run.
// Usage: bench_catalogue [PHRASES] [ROUNDS]
#include "content/AppCommon.h"
#include "content/ZQCryptor.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int phraseCount = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    const int perCategory = 500;
    const QStringList languages = AppCommon::supportedLanguages();

    QTemporaryDir dir;
    const QString bundle = dir.path() + "/resources.bundle";
    std::vector<QString> phraseFiles;
    for (int category = 1, made = 0; made < phraseCount; ++category) {
        const QString folder = bundle + "/" + QString::number(category);
        QDir().mkpath(folder);
        QJsonObject names;
        for (const QString &code : languages)
            names.insert(code, QStringLiteral("Category %1 (%2)").arg(category).arg(code));
        QFile info(folder + "/pkgInfo");
        info.open(QIODevice::WriteOnly);
        info.write(QJsonDocument(QJsonObject{{"id", category}, {"name", "Category"}, {"nameTrans", names}}).toJson());
        QJsonArray phrases;
        for (int i = 0; i < perCategory && made < phraseCount; ++i, ++made) {
            QJsonObject trans;
            for (const QString &code : languages)
                trans.insert(code, QStringLiteral("Translation of phrase number %1 in %2.").arg(made).arg(code));
            phrases.append(QJsonObject{{"id", made + 1},
                                       {"txt", QStringLiteral("Where is the train station number %1?").arg(made)},
                                       {"phon", QStringLiteral("wɛɹ ɪz ðə tɹeɪn steɪʃən")},
                                       {"wTrans", trans}});
        }
        QFile list(folder + "/phrasesInfo");
        list.open(QIODevice::WriteOnly);
        list.write(ZQCryptor::encryptWithDES(QString::fromUtf8(QJsonDocument(phrases).toJson(QJsonDocument::Compact)),
                                             ZQCryptor::contentKey).toUtf8());
        phraseFiles.push_back(folder + "/phrasesInfo");
    }

    std::vector<double> loadTimes, floorTimes;
    qsizetype loaded = 0;
    for (int round = 0; round < rounds; ++round) {
        // The loader, cold: fresh caches, reading the files as the app does.
        AppCommon::resetCatalogue(bundle);
        QElapsedTimer timer;
        timer.start();
        if (!AppCommon::preloadCatalogue()) {
            std::fprintf(stderr, "load failed: %s\n", qPrintable(AppCommon::catalogueError()));
            return 1;
        }
        loadTimes.push_back(timer.nsecsElapsed() / 1e6);
        loaded = AppCommon::getAllPhraseInfoList().size();

        // The floor: the same bytes, already in memory, decoded, decrypted and parsed.
        std::vector<QByteArray> bytes;
        for (const QString &path : phraseFiles) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            bytes.push_back(file.readAll());
        }
        timer.restart();
        qsizetype parsed = 0;
        for (const QByteArray &text : bytes) {
            const QByteArray cipher = QByteArray::fromBase64(text);
            const QByteArray plain = ZQCryptor::decryptData(cipher, ZQCryptor::contentKey);
            parsed += QJsonDocument::fromJson(plain).array().size();
        }
        floorTimes.push_back(timer.nsecsElapsed() / 1e6);
        if (parsed != loaded) {
            std::fprintf(stderr, "floor parsed %lld phrases, loader %lld\n", (long long)parsed, (long long)loaded);
            return 1;
        }
    }
    std::sort(loadTimes.begin(), loadTimes.end());
    std::sort(floorTimes.begin(), floorTimes.end());
    const double load = loadTimes[loadTimes.size() / 2];
    const double floor = floorTimes[floorTimes.size() / 2];
    std::printf("catalogue: %lld phrases in %zu categories\n", (long long)loaded, phraseFiles.size());
    std::printf("cold load (median of %d): %.1f ms\n", rounds, load);
    std::printf("floor (Base64 + DES + JSON parse): %.1f ms\n", floor);
    std::printf("ratio: %.2fx (target <= 1.5x)\n", load / floor);
    return 0;
}
