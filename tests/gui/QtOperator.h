// The operator in front of the Qt windows in a test (on the offscreen platform): the
// host's menus walked by their "mi" names, and answers to modal windows, whose exec()
// would otherwise block the test.
#pragma once

#include <QAction>
#include <QWidget>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class QMainWindow;

namespace GuiTest {

// The menu item at the path (".miA.miB"), or nullptr when the menus hold none there.
QAction* menuItem(QMainWindow& window, const std::string& path);

// The named control of a window; throws when the window has none, so that a renamed
// control fails the test instead of crashing it.
template <class Widget = QWidget>
Widget& child(QWidget* parent, const char* name) {
    auto* found = parent->findChild<Widget*>(name);
    if (!found) throw std::runtime_error(std::string("no control ") + name);
    return *found;
}

// The visible top-level window with the object name (a modeless dialog), or nullptr.
QWidget* shownWindow(const char* objectName);

// Runs `act` on the next modal window once it shows; fails the test when none shows.
void whenModalShows(std::function<void(QWidget*)> act);

// Stops waiting for windows that did not show, so that a test's answers never reach
// the next test's windows.
void forgetPendingAnswers();

// A message box that was shown and closed with its default button.
struct ShownBox {
    std::string title;
    std::string text;
};

// Answers the next message boxes in turn, one answer each: a question yes or no, any
// other box closed; their texts go to `shown`.
void answerBoxes(std::vector<std::string>& shown, std::vector<bool> answers);

// Closes the next `count` message boxes as they show, recording them in `shown`.
void closeMessageBoxes(std::vector<ShownBox>& shown, int count = 1);

}  // namespace GuiTest
