#include "setup/setup_state.h"

SetupSharedState& SharedSetupState() {
    static SetupSharedState state;
    return state;
}
