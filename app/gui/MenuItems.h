// The module's items in the host's menus: where each window action hangs (its menu
// path, one "mi" name per level) and the Polish caption of every menu name. The main
// window builds its menu bar from this one list.
#pragma once

#include <string>
#include <vector>

namespace Korvel::Gui {

struct MenuItem {
    std::string path;  // ".miTransmisje.miPrzeslaniePLU": the top menu first
    std::string guid;  // the action the item invokes
};

// In menu order; an item whose action is not registered is shown disabled.
const std::vector<MenuItem>& moduleMenuItems();

// The names of a path, in order: ".miA.miB" gives {"miA", "miB"}.
std::vector<std::string> menuPathNames(const std::string& path);

// The caption of a menu name, with its accelerator; the name itself when it has none.
std::string menuCaption(const std::string& name);

}  // namespace Korvel::Gui
