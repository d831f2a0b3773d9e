#include "filter/text_window.h"

#include "filter/control_names.h"

namespace xuanhao {

std::map<std::string, std::string, std::less<>> StartTexts() {
    using namespace controls;
    return {
        {std::string(编辑框1), "11,24,34,1,3,5,67,88,90,12,22,14,26,27,99"},
        {std::string(奇数编辑框), "1"},
        {std::string(偶数编辑框), "6"},
        {std::string(前数文本框), "150"},
        {std::string(后数文本框), "200"},
        {std::string(分解数编辑框), "33"},
        {std::string(组选数编辑框), "7"},
        {std::string(标签9), "等待处理"},
    };
}

TextWindow::TextWindow() : texts(StartTexts()) {}

std::string TextWindow::GetControlText(std::string_view name) {
    const auto found = texts.find(name);
    return found == texts.end() ? std::string() : found->second;
}

void TextWindow::SetControlText(std::string_view name, const std::string& text) {
    texts[std::string(name)] = text;
}

}  // namespace xuanhao
