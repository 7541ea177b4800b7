#include "core/ProjectRecord.h"

#include "core/Errors.h"
#include "core/NumberText.h"
#include "core/ProjectFields.h"

namespace Project {

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
    explicit NumberFields(std::function<void(const QString& label, QString& text)> each)
        : each_(std::move(each)) {}
    void text(Key, QString&) override {}
    void number(Key, QString& value, const QString& label) override {
        each_(row_ < 0 ? label : QString(label).arg(row_ + 1), value);
    }
    void choice(Key, ListChoice&) override {}
    void flag(Key, bool&) override {}
    void count(Key, int&, int) override {}
    void building(Key, BuildingKind&) override {}
    void section(Key, const std::function<void()>& fields) override { fields(); }
    void rows(Key, int count, const std::function<void(int)>& row) override {
        for (row_ = 0; row_ < count; ++row_)
            row(row_);
        row_ = -1;
    }

  private:
    std::function<void(const QString&, QString&)> each_;
    int row_ = -1;
};

} // namespace

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

std::optional<QString> fieldHolding(const Record& record, const QString& text) {
    Record copy = record;
    std::optional<QString> found;
    NumberFields visitor([&](const QString& label, QString& field) {
        if (!found && field == text)
            found = label;
    });
    visitFields(copy, visitor);
    return found;
}

} // namespace Project
