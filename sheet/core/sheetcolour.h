#pragma once

// The colour the numbers of the sheets are printed in, as the setup dialog and the command line
// offer it. Where none has been chosen (std::nullopt), the numbers stay black.
enum class SheetColour { Blue, Red, Green };
