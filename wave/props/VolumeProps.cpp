#include "wave/props/VolumeProps.h"

TVolumeProps::TVolumeProps() : Factor(0.5, EHPerc) {}
