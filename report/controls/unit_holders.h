#pragma once
// Unit holders: a fixed list of lengths held in tenths of a millimetre, read
// and written in the holder's unit, that keep their owner's pixel bounds in
// step. The page setup and the Size of bands and printables are holders.

#include "page/units.h"
#include "platform/screen.h"

#include <cstdint>
#include <vector>

namespace zel {

// The report as the unit holders see it. The report engine implements it;
// holders never own their report.
class TQRUnitsReport {
public:
    virtual ~TQRUnitsReport() = default;
    // Absolute font size in points; the Characters unit is based on it.
    virtual long double FontSizePoints() const = 0;
    // The design surface's size in pixels follows the page.
    virtual void SetPixelSize(int width, int height) = 0;
    // Re-arranges the bands after a page dimension changed.
    virtual void ArrangeBands() = 0;
    virtual void Repaint() = 0;
    // Applies the report's Units again, which redraws the design ruler.
    virtual void ReapplyUnits() = 0;
};

// A band or printable control whose pixel bounds follow its Size.
class TQRSizedControl {
public:
    virtual ~TQRSizedControl() = default;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual void SetBounds(int left, int top, int width, int height) = 0;
};

// Common machinery of the page setup, a band's Size and a printable's Size:
// a fixed list of native values, each converted on access.
class TQRUnitBase {
public:
    virtual ~TQRUnitBase() = default;
    TQRUnitBase(const TQRUnitBase&) = delete;
    TQRUnitBase& operator=(const TQRUnitBase&) = delete;

    int Resolution() const { return m_Resolution; }
    virtual TQRUnit Units() const { return m_Units; }
    virtual void SetUnits(TQRUnit unit) { m_Units = unit; }
    TQRUnit SavedUnits() const { return m_SavedUnits; }
    void SetSavedUnits(TQRUnit unit) { m_SavedUnits = unit; }
    TQRUnitsReport* ParentReport() const { return m_ParentReport; }
    void SetParentReport(TQRUnitsReport* report) { m_ParentReport = report; }
    // True while the holder itself resizes its owner.
    bool Updating() const { return m_Updating; }
    int Zoom() const { return m_Zoom; }
    void SetZoom(int zoom) { m_Zoom = zoom; }

    virtual long double FromNative(TQRUnit unit, bool horizontal, long double value) const;
    virtual long double ToNative(TQRUnit unit, bool horizontal, long double value) const;

    int ValueCount() const { return static_cast<int>(m_Values.size()); }
    bool Horizontal(int index) const;
    // Indexed values in Units; an index outside the holder raises the
    // list-index error.
    virtual long double GetValue(int index) const;
    virtual void SetValue(int index, long double value);
    // The stored value in tenths of a millimetre, whatever Units is.
    long double NativeValue(int index) const { return m_Values[CheckedIndex(index)]; }

    void Refresh() { UpdateOwner(); }
    virtual void UpdateOwner() {}

    // The "Values" list: native values in index order, stored and read
    // back without conversion. Extra numbers are ignored; missing ones
    // leave their values as they were.
    virtual void ReadValues(const std::vector<long double>& values);
    virtual std::vector<long double> WriteValues() const;

protected:
    TQRUnitBase(std::vector<bool> horizontal, int resolution);

    void SetNative(int index, long double value) { m_Values[CheckedIndex(index)] = value; }
    // Whole pixels of a native value at this holder's resolution and zoom.
    int Pixels(bool horizontal, long double native) const;

    // Sets Updating for one owner update; false when one is running already.
    class TUpdatingScope {
    public:
        explicit TUpdatingScope(TQRUnitBase& holder);
        ~TUpdatingScope();
        TUpdatingScope(const TUpdatingScope&) = delete;
        TUpdatingScope& operator=(const TUpdatingScope&) = delete;
        bool Entered() const { return m_Entered; }

    private:
        TQRUnitBase& m_Holder;
        bool m_Entered;
    };

private:
    std::size_t CheckedIndex(int index) const;
    long double CharacterSize(bool horizontal) const;

    int m_Resolution;
    TQRUnit m_Units;
    TQRUnit m_SavedUnits;
    TQRUnitsReport* m_ParentReport = nullptr;
    bool m_Updating = false;
    int m_Zoom = 100;
    std::vector<long double> m_Values;
    std::vector<bool> m_Horizontal;
};

} // namespace zel
