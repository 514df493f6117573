#include "QtOperator.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "MenuItems.h"

namespace GuiTest {

QAction* menuItem(QMainWindow& window, const std::string& path) {
    QList<QAction*> actions = window.menuBar()->actions();
    QAction* found = nullptr;
    for (const auto& name : Korvel::Gui::menuPathNames(path)) {
        if (found && !found->menu()) return nullptr;
        if (found) actions = found->menu()->actions();
        const auto named = std::find_if(actions.begin(), actions.end(), [&](QAction* action) {
            return action->objectName() == QString::fromStdString(name);
        });
        if (named == actions.end()) return nullptr;
        found = *named;
    }
    return found;
}

QWidget* shownWindow(const char* objectName) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == objectName && widget->isVisible()) return widget;
    return nullptr;
}

namespace {
// Answers made in an earlier test carry an older generation and are dropped.
int generation = 0;

void pollForModal(std::function<void(QWidget*)> act, int triesLeft) {
    QTimer::singleShot(10, [act = std::move(act), triesLeft, madeIn = generation]() mutable {
        if (madeIn != generation) return;
        if (QWidget* modal = QApplication::activeModalWidget()) return act(modal);
        if (triesLeft == 0) return ADD_FAILURE() << "no modal window showed";
        pollForModal(std::move(act), triesLeft - 1);
    });
}
}  // namespace

void forgetPendingAnswers() { ++generation; }

void whenModalShows(std::function<void(QWidget*)> act) { pollForModal(std::move(act), 1000); }

void closeMessageBoxes(std::vector<ShownBox>& shown, int count) {
    if (count == 0) return;
    whenModalShows([&shown, count](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) return ADD_FAILURE() << "expected a message box, got " << modal->metaObject()->className();
        shown.push_back({box->windowTitle().toStdString(), box->text().toStdString()});
        box->defaultButton() ? box->defaultButton()->click() : box->accept();
        closeMessageBoxes(shown, count - 1);
    });
}

void answerBoxes(std::vector<std::string>& shown, std::vector<bool> answers) {
    if (answers.empty()) return;
    whenModalShows([&shown, answers](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) return ADD_FAILURE() << "expected a message box, got " << modal->metaObject()->className();
        shown.push_back(box->text().toStdString());
        if (box->button(QMessageBox::Yes))
            box->button(answers.front() ? QMessageBox::Yes : QMessageBox::No)->click();
        else
            box->accept();
        answerBoxes(shown, {answers.begin() + 1, answers.end()});
    });
}

}  // namespace GuiTest
