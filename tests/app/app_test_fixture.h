#pragma once
// Where the window tests start: a fresh current folder, so there is no zel.ini yet, and a spy in
// place of the message box. Brings the widgets the main window's fields are made of.

#include "app/main_form.h"
#include "grid/core/string_grid.h"
#include "platform/cp932.h"
#include "tests/support/message_box_spy.h"
#include "tests/support/temp_dir.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zel::test {

class TInFreshFolder : public testing::Test {
protected:
    TTempDir dir;
    TCurrentDirectory in{dir.Path()};
    TMessageBoxSpy box;
};

// The main window as it opens there.
class TMainFormTest : public TInFreshFolder {
protected:
    app::TMainForm form;
    TStringGrid& grid = *form.ExamineeGrid;
};

} // namespace zel::test
