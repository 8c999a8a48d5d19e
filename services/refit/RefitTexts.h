#pragma once
// Why a refit was refused, in the program's Japanese: the widgets and the
// command-line tool translate them where they show them (services/language,
// context "RefitTexts").

#include "services/refit/ReferenceFit.h"
#include "services/refit/TransformFinder.h"

#include <string>

namespace refittexts
{

// Empty for None.
const std::string& FailureText(RefitFailure failure);
const std::string& ReferenceFailureText(ReferenceFailure failure);

} // namespace refittexts
