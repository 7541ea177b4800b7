#include "core/ProjectRecord.h"

#include "core/Errors.h"
#include "core/NumberText.h"
#include "core/ProjectFields.h"

#include <QCoreApplication>

namespace Project {

QString tableNumber(BuildingKind kind) {
    switch (kind) {
    case BuildingKind::Production:
        return QStringLiteral("2");
    case BuildingKind::WallsBetweenFlats:
        return QStringLiteral("3");
    case BuildingKind::Residential:
        break;
    }
    return QStringLiteral("1");
}

namespace {

// A number text written with `from` becomes the same text with `to`.
class Converter {
  public:
    Converter(QChar from, QChar to) : from_(from), to_(to) {}

    void operator()(QString& text) const {
        if (!text.contains(from_))
            return;
        try {
            NumberText::parse(text, from_);
        } catch (const AppError&) {
            return;
        }
        text.replace(from_, to_);
    }

  private:
    QChar from_;
    QChar to_;
};

// Visits the number texts only, with their names.
class NumberFields : public FieldVisitor {
  public:
    explicit NumberFields(std::function<void(const QString& label, QString& text)> each,
                          const char* onlySection = nullptr)
        : each_(std::move(each)), onlySection_(onlySection) {}
    void text(Key, QString&) override {}
    void number(Key, QString& value, const QString& label) override {
        each_(row_ < 0 ? label : QString(label).arg(row_ + 1), value);
    }
    void choice(Key, ListChoice&) override {}
    void flag(Key, bool&) override {}
    void count(Key, int&, int) override {}
    void building(Key, BuildingKind&) override {}
    void section(Key key, const std::function<void()>& fields) override {
        if (!onlySection_ || qstrcmp(key.name, onlySection_) == 0)
            fields();
    }
    void rows(Key, int count, const std::function<void(int)>& row) override {
        for (row_ = 0; row_ < count; ++row_)
            row(row_);
        row_ = -1;
    }

  private:
    std::function<void(const QString&, QString&)> each_;
    const char* onlySection_;
    int row_ = -1;
};

// Cuts the texts longer than a limit, naming each field cut: by its name for the user
// where the table gives one, else by its place in the file ("requirement.city").
class TextCutter : public FieldVisitor {
  public:
    explicit TextCutter(qsizetype longest) : longest_(longest) {}
    QStringList cut;

    void text(Key key, QString& value) override {
        shorten(value,
                key.label ? QCoreApplication::translate("ProjectFields", key.label) : place(key));
    }
    void number(Key, QString& value, const QString& label) override { shorten(value, label); }
    void choice(Key key, ListChoice& value) override { shorten(value.text, place(key)); }
    void flag(Key, bool&) override {}
    void count(Key, int&, int) override {}
    void building(Key, BuildingKind&) override {}
    void section(Key key, const std::function<void()>& fields) override {
        section_ = QLatin1String(key.name);
        fields();
    }
    void rows(Key key, int count, const std::function<void(int)>& row) override {
        rows_ = QLatin1String(key.name);
        for (row_ = 0; row_ < count; ++row_)
            row(row_);
        row_ = -1;
    }

  private:
    QString place(Key key) const {
        const QString inRow = row_ < 0 ? QString() : QStringLiteral("%1[%2].").arg(rows_).arg(row_);
        return section_ + QLatin1Char('.') + inRow + QLatin1String(key.name);
    }
    void shorten(QString& value, const QString& name) {
        if (value.size() <= longest_)
            return;
        value.truncate(longest_);
        cut << (name.contains(QLatin1String("%1")) ? QString(name).arg(row_ + 1) : name);
    }

    qsizetype longest_;
    QString section_;
    QString rows_;
    int row_ = -1;
};

} // namespace

QStringList shortenTexts(Record& record, qsizetype longest) {
    TextCutter cutter(longest);
    visitFields(record, cutter);
    return cutter.cut;
}

Record withSeparator(const Record& record, QChar separator) {
    Record r = record;
    r.decimalSeparator = separator;
    if (record.decimalSeparator == separator)
        return r;
    const Converter number(record.decimalSeparator, separator);
    NumberFields visitor([&number](const QString&, QString& text) { number(text); });
    visitFields(r, visitor);
    return r;
}

std::optional<QString> fieldHolding(const Record& record, const QString& text,
                                    const char* section) {
    Record copy = record;
    std::optional<QString> found;
    NumberFields visitor(
        [&](const QString& label, QString& field) {
            if (!found && field == text)
                found = label;
        },
        section);
    visitFields(copy, visitor);
    return found;
}

} // namespace Project
