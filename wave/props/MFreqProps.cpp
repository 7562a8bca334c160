#include "wave/props/MFreqProps.h"

TMFreqProps::TMFreqProps() : Length(3.0, EHS) {}
