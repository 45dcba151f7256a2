#pragma once
// The scripted tuner library is one of the platform fakes.
#include "fakes/fake_platform.h"
