#pragma once
// The drop-down list of an editor: a top-level, always-on-top tool window
// with a thin border that is shown without taking the activation or the
// focus, so that typing goes on in the editor. Releasing the mouse inside
// it ends the choice.

#include "framework/string_list.h"

#include <QListWidget>
#include <functional>

namespace zel {

class TPopListBox : public QListWidget {
    Q_OBJECT
public:
    // The list's own height before it is rounded down to whole items.
    static constexpr int kDefaultHeight = 97;

    explicit TPopListBox(QWidget* owner);

    void SetItems(const TStrings& items);
    // The selected item's text in code page 932; "" when none.
    std::string SelectedText() const;
    // Fits the height to whole items and widens the list, when its widest
    // item needs it, beyond `minWidth`.
    void Fit(int minWidth);
    // Just below `editorGlobalRect`, or just above it when the list would
    // pass the bottom of the screen; then shows the list.
    void DropDown(const QRect& editorGlobalRect);

    std::function<void()> OnRelease;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace zel
