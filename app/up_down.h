#pragma once
// An up-down control: two arrow buttons that step a position between Min
// and Max and write it, as decimal text, into the edit it is associated
// with. The arrow keys on that edit step it too. The edit itself accepts
// any text; stepping starts from the edit's number when it holds one.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace zel::app {

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);

    int Min() const { return m_Min; }
    int Max() const { return m_Max; }
    void SetMin(int value) { m_Min = value; }
    void SetMax(int value) { m_Max = value; }
    bool Wrap() const { return m_Wrap; }
    void SetWrap(bool wrap) { m_Wrap = wrap; }
    int Increment() const { return m_Increment; }
    void SetIncrement(int increment) { m_Increment = increment; }

    int Position() const { return m_Position; }
    // Shown as given, also outside Min..Max: the next step brings it back.
    void SetPosition(int position);

    QLineEdit* Associate() const { return m_Associate; }
    void SetAssociate(QLineEdit* edit);

    // One step up (+1) or down (-1), as an arrow click does.
    void Step(int direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int m_Min = 0;
    int m_Max = 100;
    int m_Position = 0;
    int m_Increment = 1;
    bool m_Wrap = false;
    QLineEdit* m_Associate = nullptr;
    QToolButton* m_UpButton = nullptr;
    QToolButton* m_DownButton = nullptr;
};

} // namespace zel::app
