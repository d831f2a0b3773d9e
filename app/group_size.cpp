#include "app/group_size.h"

#include "convert/number_text.h"
#include "filter/control_names.h"
#include "filter/group_size.h"

namespace xuanhao {

void RecomputeGroupSize(ControlPort& window, ProgramState& state) {
    const std::string odd = window.GetControlText(controls::奇数编辑框);
    const std::string even = window.GetControlText(controls::偶数编辑框);
    state.groupSize = GroupSizeOf(odd, even);
    window.SetControlText(controls::组选数编辑框, NumberToText(state.groupSize));
}

}  // namespace xuanhao
