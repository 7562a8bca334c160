#include "wave/props/SilenceProps.h"

TSilenceProps::TSilenceProps() : Length(0.1, EHMS) {}
