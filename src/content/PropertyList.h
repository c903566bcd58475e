#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <optional>

// Property-list dictionaries through libplist: XML (or binary) in, XML 1.0 out.
// Values: integers (qint64), strings, reals, booleans; nested containers are not used by
// the program and are skipped on reading.
//
// Thread: any. Failure results: parseDictionary returns nullopt with *error set when the
// bytes are not a property list or its root is not a dictionary; serializeXml returns
// empty bytes with *error set for a value it cannot store.
namespace PropertyList {
std::optional<QVariantMap> parseDictionary(const QByteArray &bytes, QString *error = nullptr);
QByteArray serializeXml(const QVariantMap &dictionary, QString *error = nullptr);
// True for the integer types a dictionary value may hold (stored as property-list integers).
bool isInteger(const QVariant &value);
}
