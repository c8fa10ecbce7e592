#include "framing/module_state.h"

namespace xelo {

ModuleState& processState() {
    static ModuleState state;
    return state;
}

} // namespace xelo
