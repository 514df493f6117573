// The argument object of a console "fire": the text arguments, the output stream and
// the marker that the action runs outside the host's windows.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/Action.h"

namespace Korvel::App {

class FireArguments : public Core::IArgVectorGetter,
                      public Core::IOStreamGetter,
                      public Core::IExternalExecutionArgsGetter {
public:
    FireArguments(std::vector<std::string> arguments, std::ostream& out)
        : arguments_(std::move(arguments)), out_(out) {}

    const std::vector<std::string>& getArgVector() const override { return arguments_; }
    std::ostream& getOStream() override { return out_; }

private:
    std::vector<std::string> arguments_;
    std::ostream& out_;
};

// As FireArguments, with a progress indicator for long work (a bar on a terminal).
class FireArgumentsWithProgress : public FireArguments, public Core::IProgressIndicatorGetter {
public:
    FireArgumentsWithProgress(std::vector<std::string> arguments, std::ostream& out,
                              Core::ThreadUserIo::ISteppableProgressIndicator& progress)
        : FireArguments(std::move(arguments), out), progress_(progress) {}

    Core::ThreadUserIo::ISteppableProgressIndicator& getProgressIndicator() override { return progress_; }

private:
    Core::ThreadUserIo::ISteppableProgressIndicator& progress_;
};

}  // namespace Korvel::App
