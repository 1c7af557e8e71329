#include "grid/calendar/calendar_popup.h"

#include "framework/date_text.h"
#include "framework/messages.h"
#include "grid/calendar/calendar_status_panel.h"
#include "grid/calendar/month_calendar.h"
#include "grid/calendar/speed_button.h"
#include "grid/core/button_glyphs.h"
#include "platform/canvas_types.h"
#include "platform/qt/font_faces.h"
#include "platform/qt/qstring_text.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace zel {
namespace {

constexpr int kBorder = 1;
constexpr int kButtonSize = 14;
constexpr int kButtonTop = 5;

QFont Bold(QFont font) {
    font.setBold(true);
    return font;
}

void Paint(QWidget* widget, QPalette::ColorRole role, TColor color) {
    QPalette palette = widget->palette();
    palette.setColor(role, ColorToQColor(color));
    widget->setPalette(palette);
}

} // namespace

QPoint PopupPosition(const QRect& editorGlobalRect, const QSize& popupSize, int screenBottom) {
    const int below = editorGlobalRect.top() + editorGlobalRect.height();
    const int top = below + popupSize.height() > screenBottom
                        ? editorGlobalRect.top() - popupSize.height()
                        : below;
    return {editorGlobalRect.left(), top};
}

TMOPopupPanel::TMOPopupPanel(QWidget* editor, const TMOMonthCalColors& colors, const TDate& date)
    : QWidget(editor, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus) {
    // The editor under it keeps the focus: the popup is a window that is
    // never activated (a tool window would be, on some platforms, when
    // shown), and nothing in it takes the focus.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFont(platform::MakeFont(cp932::Sys(platform::kDefaultFontFace), -12));
    // The grid's width and the three heights give the window's outer size;
    // the thin border comes off the inside, as a bordered window's does.
    resize(kGridWidth, kGridHeight + kTitleHeight + kTodayHeight);
    const int clientWidth = width() - 2 * kBorder;

    m_Title = new QWidget(this);
    m_Title->setGeometry(kBorder, kBorder, clientWidth, kTitleHeight);
    m_Title->setAutoFillBackground(true);
    Paint(m_Title, QPalette::Window, colors.TitleBackColor());
    m_PrevYear = AddButton(0, "MOPREVYEAR", msg::kCalendarPrevYear);
    m_PrevMonth = AddButton(kButtonSize, "MOPREVMONTH", msg::kCalendarPrevMonth);
    m_TitleLabel = new QLabel(m_Title);
    m_TitleLabel->setGeometry(29, 7, kGridWidth - 58, 15);
    m_TitleLabel->setAlignment(Qt::AlignCenter);
    m_TitleLabel->setFont(Bold(font()));
    Paint(m_TitleLabel, QPalette::WindowText, colors.TitleTextColor());
    m_NextMonth = AddButton(kGridWidth - 31, "MONEXTMONTH", msg::kCalendarNextMonth);
    m_NextYear = AddButton(kGridWidth - 17, "MONEXTYEAR", msg::kCalendarNextYear);

    m_TodayPanel = new TMOStatusPanel(this);
    m_TodayPanel->setGeometry(kBorder, height() - kBorder - kTodayHeight, clientWidth,
                              kTodayHeight);
    m_TodayPanel->SetColor(colors.MonthBackColor());
    m_TodayPanel->setFont(Bold(font()));
    m_TodayPanel->SetCaption(cp932::Sys(msg::kCalendarToday) +
                             FormatDateTime("gg e/m/d", TDate::Today()));
    m_TodayPanel->SetHint(cp932::Sys(msg::kCalendarTodayHint));

    m_Calendar = new TMOInplaceCalender(this);
    m_Calendar->setGeometry(kBorder, kBorder + kTitleHeight, clientWidth,
                            height() - 2 * kBorder - kTitleHeight - kTodayHeight);
    m_Calendar->SetColor(colors.MonthBackColor());
    m_Calendar->SetFixedColor(colors.MonthFixedColor());
    m_Calendar->SetWeekEndColor(colors.WeekEndColor());
    m_Calendar->SetSaturDayColor(colors.SaturDayColor());
    m_Calendar->SetDayTextColor(colors.DayTextColor());
    m_Calendar->SetDate(date);

    m_PrevYear->OnClick = [this] { m_Calendar->PrevYear(); };
    m_PrevMonth->OnClick = [this] { m_Calendar->PrevMonth(); };
    m_NextMonth->OnClick = [this] { m_Calendar->NextMonth(); };
    m_NextYear->OnClick = [this] { m_Calendar->NextYear(); };
    m_Calendar->OnChange = [this](TMOInplaceCalender&) { UpdateTitle(); };
    m_Calendar->OnMouseUp = [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                   int y) { GridMouseUp(button, shift, x, y); };
    m_TodayPanel->OnDblClick = [this](TMOStatusPanel&) {
        m_Calendar->SetDate(TDate::Today());
        UpdateTitle();
    };
    UpdateTitle();
}

TMOPopupPanel::~TMOPopupPanel() = default;

TMOSpeedButton* TMOPopupPanel::AddButton(int x, const char* glyph, const char* hint) {
    auto* button = new TMOSpeedButton(m_Title);
    button->setGeometry(x, kButtonTop, kButtonSize, kButtonSize);
    button->SetGlyph(ButtonGlyph(glyph));
    button->SetHint(cp932::Sys(hint));
    return button;
}

void TMOPopupPanel::DropDown(const QRect& editorGlobalRect) {
    const QScreen* screen = QGuiApplication::screenAt(editorGlobalRect.center());
    if (!screen)
        screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    move(PopupPosition(editorGlobalRect, size(), area.top() + area.height()));
    UpdateTitle();
    show();
    raise();
}

TDate TMOPopupPanel::Date() const {
    return m_Calendar->Date();
}

bool TMOPopupPanel::Contains(const QWidget* widget) const {
    return widget && (widget == this || isAncestorOf(widget));
}

void TMOPopupPanel::GridMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    if (button != Qt::LeftButton || shift != Qt::NoModifier)
        return;
    const TGridCoord cell = m_Calendar->MouseCoord(x, y);
    if (cell.Y < 1 || cell.X < 0 || m_Calendar->CellText(cell.X, cell.Y).empty())
        return;
    // Told from the event loop: the editor deletes the popup, and with it
    // the grid whose mouse release is still being handled here.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (OnDayPicked)
                OnDayPicked();
        },
        Qt::QueuedConnection);
}

void TMOPopupPanel::UpdateTitle() {
    const TDate date = m_Calendar->Date();
    m_TitleLabel->setText(cp932::ToQString(FormatDateTime("yyyy", date) + cp932::Sys("年") +
                                           FormatDateTime("m", date) + cp932::Sys("月")));
}

void TMOPopupPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(ColorToQColor(clWindowFrame));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zel
