// A shop fixture with the program's window over it: the Qt form kernel installed, the
// main window shown, menu items chosen by path as the operator chooses them.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <optional>

#include "MainWindow.h"
#include "QtFormKernel.h"
#include "QtOperator.h"

namespace GuiTest {

template <class Shop>
class ShopWindow : public Shop {
protected:
    void SetUp() override {
        Shop::SetUp();
        prepareShop();
        forms_.emplace();
        window_.emplace();
        window_->show();
    }
    void TearDown() override {
        closeWindows();
        Shop::TearDown();
    }

    // What the shop needs before the windows open (configuration, settings path, rows).
    virtual void prepareShop() {}

    // Closes the main window (and the windows it parents) and the form kernel, leaving
    // the host without windows.
    void closeWindows() {
        forgetPendingAnswers();
        window_.reset();
        forms_.reset();
    }

    Korvel::Gui::MainWindow& window() { return *window_; }

    void choose(const char* path) {
        QAction* item = menuItem(window(), path);
        ASSERT_NE(item, nullptr) << path;
        ASSERT_TRUE(item->isEnabled()) << path;
        item->trigger();
    }

private:
    std::optional<Korvel::Gui::QtFormKernel> forms_;
    std::optional<Korvel::Gui::MainWindow> window_;
};

}  // namespace GuiTest
