#include "app/control_table.h"

namespace xuanhao {

namespace {

using enum ControlKind;

constexpr ControlSpec kControls[] = {
    {"透明标签2", kTransparentLabel, 336, 288, 104, 16, "quillfen.example"},
    {"透明标签1", kTransparentLabel, 336, 268, 128, 24, "Quillfen\r\n"},
    {"标签9", kLabel, 32, 232, 136, 48, "等待处理", false, false, false, true},
    {"标签8", kLabel, 304, 232, 32, 24, "组选"},
    {"组选数编辑框", kEditBox, 342, 232, 64, 24, "7", true, true, false, false, {3, 7}},
    {"标签7", kLabel, 103, 174, 153, 24, "其中两数为下列数的分解数"},
    {"分解数编辑框", kEditBox, 263, 175, 80, 20, "33", true},
    {"选择框4", kCheckBox, 29, 175, 51, 24, "条件3", false, false, true},
    {"画板3", kPanel, 16, 167, 408, 40, ""},
    {"选择框3", kCheckBox, 30, 133, 50, 24, "条件2", false, false, true},
    {"选择框2", kCheckBox, 31, 86, 57, 24, "条件1", false, false, true},
    {"标签6", kLabel, 236, 131, 9, 24, "："},
    {"标签5", kLabel, 101, 130, 80, 24, "奇数与偶数比"},
    {"偶数编辑框", kEditBox, 248, 132, 24, 20, "6", true, false, false, false, {1, 100}},
    {"奇数编辑框", kEditBox, 192, 132, 24, 20, "1", true, false, false, false, {0, 100}},
    {"标签4", kLabel, 368, 84, 47, 24, "之间"},
    {"标签3", kLabel, 259, 84, 16, 24, "与"},
    {"标签2", kLabel, 103, 85, 64, 24, "结果之和在"},
    {"标签1", kLabel, 15, 12, 51, 24, "数据输入"},
    {"后数文本框", kEditBox, 283, 85, 80, 20, "200", true},
    {"前数文本框", kEditBox, 170, 86, 80, 20, "150", true},
    {"按钮1", kButton, 208, 261, 80, 32, "开始处理"},
    {"编辑框1", kEditBox, 72, 16, 352, 20, "11,24,34,1,3,5,67,88,90,12,22,14,26,27,99"},
    {"画板1", kPanel, 17, 78, 408, 40, ""},
    {"画板2", kPanel, 16, 122, 408, 40, ""},
};

}  // namespace

std::span<const ControlSpec> MainWindowControls() { return kControls; }

}  // namespace xuanhao
