#pragma once
// A data set a report can walk record by record. The expression side needs
// only the fields (TQRDataSet); the run needs to know whether the set is
// open, to step through it, and how many records to expect for progress.

#include "report/expressions/data_set.h"

namespace zel {

class TQRNavigableDataSet : public TQRDataSet {
public:
    virtual bool Active() const = 0;
    virtual void First() = 0;
    virtual void Next() = 0;
    // Back one record, for group footers that show the last record of a group.
    virtual void Prior() = 0;
    virtual bool Eof() const = 0;
    // Raises an exception derived from std::exception when the set cannot
    // count; the run then counts 1.
    virtual int RecordCount() const = 0;
};

} // namespace zel
