#include "app/up_down.h"

#include "framework/number_text.h"
#include "platform/qt/qstring_text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolButton>
#include <limits>
#include <optional>

namespace zel::app {
namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A typed whole number, however long: one past what an int holds counts as
// the farthest an int goes, which any step brings back inside the limits.
std::optional<long long> TypedNumber(const QString& text) {
    const std::string typed = cp932::FromQString(text);
    if (const auto value = StrToInt(typed))
        return *value;
    static const QRegularExpression digits(QStringLiteral("^ *([+-]?)[0-9]+$"));
    const QRegularExpressionMatch match = digits.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1) == QLatin1String("-") ? std::numeric_limits<int>::min()
                                                   : std::numeric_limits<int>::max();
}

} // namespace

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    m_UpButton = MakeArrow(this, Qt::UpArrow);
    m_DownButton = MakeArrow(this, Qt::DownArrow);
    connect(m_UpButton, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(m_DownButton, &QToolButton::clicked, this, [this] { Step(-1); });
}

void TUpDown::SetPosition(int position) {
    m_Position = position;
    if (m_Associate != nullptr)
        m_Associate->setText(QString::number(position));
}

void TUpDown::SetAssociate(QLineEdit* edit) {
    if (m_Associate != nullptr)
        m_Associate->removeEventFilter(this);
    m_Associate = edit;
    if (edit != nullptr) {
        edit->installEventFilter(this);
        SetPosition(m_Position);
    }
}

void TUpDown::Step(int direction) {
    long long position = m_Position;
    if (m_Associate != nullptr) {
        if (const auto typed = TypedNumber(m_Associate->text()))
            position = *typed;
    }
    long long next = position + static_cast<long long>(direction) * m_Increment;
    if (next > m_Max)
        next = m_Wrap ? m_Min : m_Max;
    else if (next < m_Min)
        next = m_Wrap ? m_Max : m_Min;
    SetPosition(static_cast<int>(next));
}

void TUpDown::resizeEvent(QResizeEvent* event) {
    const int upper = height() / 2;
    m_UpButton->setGeometry(0, 0, width(), upper);
    m_DownButton->setGeometry(0, upper, width(), height() - upper);
    QWidget::resizeEvent(event);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_Associate && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zel::app
