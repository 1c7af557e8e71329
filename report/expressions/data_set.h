#pragma once
// What an expression may read from a data set: a name and named fields with
// a type and the current record's value. This system binds no data set; a
// database layer (or a test) implements these.

#include <cstdint>
#include <string>
#include <vector>

namespace zel {

enum class TQRFieldType { ftString, ftInteger, ftFloat, ftBoolean, ftUnknown };

class TQRField {
public:
    virtual ~TQRField() = default;
    virtual std::string FieldName() const = 0;
    virtual TQRFieldType DataType() const = 0;
    // Only the accessor matching DataType() is asked.
    virtual std::string AsString() const { return {}; }
    virtual std::int32_t AsInteger() const { return 0; }
    virtual double AsFloat() const { return 0.0; }
    virtual bool AsBoolean() const { return false; }
};

class TQRDataSet {
public:
    virtual ~TQRDataSet() = default;
    virtual std::string Name() const = 0;
    virtual int FieldCount() const = 0;
    virtual TQRField* Fields(int index) const = 0;
};

using TQRDataSetList = std::vector<TQRDataSet*>;

} // namespace zel
