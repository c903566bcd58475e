#include "AssessmentJson.h"

#include <QJsonArray>

#include <cmath>

namespace {
double rounded(float value)
{
    return std::round(double(value) * 10.0) / 10.0;
}

QString markName(WordMark mark)
{
    switch (mark) {
    case WordMark::Weak:
        return QStringLiteral("weak");
    case WordMark::Wrong:
        return QStringLiteral("wrong");
    case WordMark::None:
        break;
    }
    return QStringLiteral("none");
}

QJsonObject phoneJson(const PhoneAssessment &phone)
{
    return QJsonObject{{"phone", phone.phone},
                       {"ipa", phone.ipa},
                       {"score", rounded(phone.score)},
                       {"heard", phone.heard.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(phone.heard)}};
}
}

namespace AssessmentJson {
QJsonObject toJson(const AssessmentResult &assessment)
{
    QJsonArray words;
    for (const WordAssessment &word : assessment.words) {
        QJsonArray phones;
        for (const PhoneAssessment &phone : word.phones)
            phones.append(phoneJson(phone));
        words.append(QJsonObject{{"word", word.word},
                                 {"startMs", word.startMs},
                                 {"endMs", word.endMs},
                                 {"accuracy", rounded(word.accuracy)},
                                 {"omitted", word.omitted},
                                 {"marked", word.marked()},
                                 {"mark", markName(word.mark)},
                                 {"phones", phones}});
    }
    return QJsonObject{{"accuracy", rounded(assessment.accuracy)}, {"words", words}};
}
}
