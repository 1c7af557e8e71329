#include "app/calibration_scales.h"

#include "app/calibration_sheet.h"
#include "app/settings.h"
#include "app/ticket_report.h"

#include <algorithm>
#include <optional>

namespace zel::app {
namespace {

// Offsets further out than this put every text far off the sheet; no
// scale reaches there, and the runs that would measure it are not made.
constexpr std::int64_t kFarthest = 1000;

std::optional<std::int32_t> Plus(std::int32_t value, int step) {
    const std::int64_t sum = std::int64_t{value} + step;
    if (sum < -kFarthest || sum > kFarthest)
        return std::nullopt;
    return static_cast<std::int32_t>(sum);
}

std::optional<TNameCorner> Find(const std::vector<TNameCorner>& corners, int column, int row) {
    const auto it = std::find_if(corners.begin(), corners.end(), [&](const TNameCorner& c) {
        return c.Column == column && c.Row == row;
    });
    return it == corners.end() ? std::nullopt : std::optional(*it);
}

} // namespace

std::vector<TNameCorner> FirstSheetNameCorners(const TPrintOffsets& offsets) {
    for (const std::int32_t offset : {offsets.left, offsets.top, offsets.space, offsets.height})
        if (!Plus(offset, 0))
            return {};
    const TCalibrationExaminees samples;
    TTicketReport probe(samples);
    PutPrintOffsets(offsets, probe, probe.Page());
    // Recorded on the report's own paper, with no window and whatever
    // printers the machine has.
    probe.OnPreview = [](TQRPrinter& printer) { printer.PrinterSettings().SetDevice(nullptr); };
    std::vector<TNameCorner> corners;
    TQRLabel& name = *probe.NameLabel;
    // Every sample has a name, so the label asks on every ticket; the sum is
    // the one the label prints at.
    name.OnPrint = [&](TQRComponent&, std::string&) {
        if (probe.PageNumber() != 1)
            return;
        const std::vector<long double> box = name.Size().WriteValues();
        const int column = probe.CurrentColumn();
        const auto row = std::count_if(corners.begin(), corners.end(),
                                       [&](const TNameCorner& c) { return c.Column == column; });
        const long double x = probe.CurrentX();
        const long double y = probe.CurrentY();
        corners.push_back({.Column = column,
                           .Row = static_cast<int>(row) + 1,
                           .X = x + box.at(TQRPrintableSize::kLeft),
                           .Y = y + box.at(TQRPrintableSize::kTop)});
    };
    probe.OnEndPage = [&probe](TCustomPagettaRep&) { probe.Cancel(); };
    probe.Preview();
    return corners;
}

std::vector<TOffsetScale> MeasureOffsetScales(const TPrintOffsets& offsets) {
    const std::vector<TNameCorner> inForce = FirstSheetNameCorners(offsets);
    const auto rows = std::count_if(inForce.begin(), inForce.end(),
                                    [](const TNameCorner& c) { return c.Column == 1; });
    const int bottom = static_cast<int>(rows);
    std::vector<TOffsetScale> scales;
    const auto add = [&](const char* key, TScaleAxis axis, int column, int row) {
        if (const std::optional<TNameCorner> ticket = Find(inForce, column, row))
            scales.push_back({.Key = key, .Axis = axis, .Ticket = *ticket, .Ticks = {}});
        else
            scales.push_back({.Key = key, .Axis = axis, .Ticket = {}, .Ticks = {}});
    };
    add(kKeyLeft, TScaleAxis::Across, 1, 1);
    add(kKeyTop, TScaleAxis::Down, 1, 1);
    add(kKeySpace, TScaleAxis::Across, 2, 1);
    add(kKeyHeight, TScaleAxis::Down, 1, bottom);
    if (inForce.empty())
        return scales;

    // A corner's x follows "left" and "space" only and its y "top" and
    // "height" only, so one run serves a step of "left" with "top", and
    // another one of "space" with "height".
    for (int step = -kScaleReach; step <= kScaleReach; ++step) {
        const std::optional<std::int32_t> left = Plus(offsets.left, step);
        const std::optional<std::int32_t> top = Plus(offsets.top, step);
        if (left || top) {
            TPrintOffsets topLeft = offsets;
            topLeft.left = left.value_or(offsets.left);
            topLeft.top = top.value_or(offsets.top);
            if (const auto corner = Find(FirstSheetNameCorners(topLeft), 1, 1)) {
                if (left)
                    scales[0].Ticks.push_back({*left, corner->X});
                if (top)
                    scales[1].Ticks.push_back({*top, corner->Y});
            }
        }
        const std::optional<std::int32_t> space = Plus(offsets.space, step);
        const std::optional<std::int32_t> height = Plus(offsets.height, step);
        if (space || height) {
            TPrintOffsets later = offsets;
            later.space = space.value_or(offsets.space);
            later.height = height.value_or(offsets.height);
            const std::vector<TNameCorner> corners = FirstSheetNameCorners(later);
            if (const auto corner = Find(corners, 2, 1); corner && space)
                scales[2].Ticks.push_back({*space, corner->X});
            if (const auto corner = Find(corners, 1, bottom); corner && height && bottom > 1)
                scales[3].Ticks.push_back({*height, corner->Y});
        }
    }
    return scales;
}

} // namespace zel::app
