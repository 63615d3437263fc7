#include "SectionKeys.h"

#include "IntegerText.h"
#include "data/Errors.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

namespace lumetra {

QString SectionReader::Text(const QString& key, const QString& defaultText) {
    QString text = file_.ReadString(section_, key, defaultText);
    ++keysRead_;
    return text;
}

int SectionReader::Integer(const QString& key, int defaultValue) {
    const int value =
        IntegerFromText(file_.ReadString(section_, key, QString::number(defaultValue)));
    ++keysRead_;
    return value;
}

std::optional<int> SectionReader::OptionalInteger(const QString& key) {
    const std::optional<QString> text = file_.ReadOptional(section_, key);
    const std::optional<int> value =
        text ? std::optional<int>(IntegerFromText(*text)) : std::nullopt;
    ++keysRead_;
    return value;
}

bool SectionReader::Flag(const QString& key, bool defaultDown) {
    return (Integer(key, defaultDown ? 1 : 0) & 0xFF) != 0;
}

std::vector<int> SectionReader::IntegerList(const QString& key) {
    const QString text = file_.ReadString(section_, key, QString());
    std::vector<int> values;
    if (!text.trimmed().isEmpty())
        for (const QString& item : text.split(','))
            values.push_back(IntegerFromText(item.trimmed()));
    ++keysRead_;
    return values;
}

void SectionWriter::IntegerList(const QString& key, const std::vector<int>& values) {
    QStringList items;
    for (const int value : values)
        items << QString::number(value);
    Text(key, items.join(','));
}

long double SectionReader::Decimal(const QString& key, long double defaultValue) {
    const std::optional<QString> text = file_.ReadOptional(section_, key);
    long double value = defaultValue;
    if (text) {
        bool ok = false;
        const double read = QLocale::c().toDouble(text->trimmed(), &ok);
        if (!ok || !std::isfinite(read))
            throw LumetraError(FormatMessage("'%s' is not a valid number", text->toStdString()));
        value = read;
    }
    ++keysRead_;
    return value;
}

void SectionWriter::Decimal(const QString& key, long double value) {
    Text(key,
         QLocale::c().toString(static_cast<double>(value), 'g', QLocale::FloatingPointShortest));
}

} // namespace lumetra
