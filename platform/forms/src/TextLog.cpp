#include "forms/TextLog.h"

#include <memory>

namespace FormKernel {

namespace {

class TextLog : public ITextLog {
public:
    TextLog(std::string caption, std::string text) : caption_(std::move(caption)), text_(std::move(text)) {}
    const std::string& caption() const override { return caption_; }
    const std::string& text() const override { return text_; }

private:
    std::string caption_;
    std::string text_;
};

}  // namespace

void showTextLog(const std::string& caption, const std::string& text, IBaseForm* parent,
                 const std::string& actionName) {
    showForm(TextLogFormClass, TBaseFormArgs{{}, std::make_shared<TextLog>(caption, text)}, parent, actionName);
}

}  // namespace FormKernel
