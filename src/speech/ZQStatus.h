#pragma once

#include <QString>
#include <QVariantMap>

// The status object of the speech layer's generators: code 0 for success, otherwise an
// error code with its domain and a readable description; `userInfo` carries the results
// (or details of the error).
//
// Domains: platformErrorDomain() for success and for file errors of the platform layer
// (the code is then a QFileDevice::FileError), toolkitErrorDomain() for errors of the
// language-modelling toolkit (the code is an lmtk::StatusCode); an empty domain for the
// generator's own "no content" error.
//
// Thread: any (a plain value).
struct ZQStatus
{
    int code = 0;
    QString domain;
    QString description;
    QVariantMap userInfo;

    bool isSuccess() const { return code == 0; }

    static QString platformErrorDomain() { return QStringLiteral("PlatformErrorDomain"); }
    static QString toolkitErrorDomain() { return QStringLiteral("LanguageModelToolkitErrorDomain"); }
};
