#pragma once

#include "app/CountdownForm.h"

namespace dorvak {

struct LocaleConventions;

// The "Şafak Hesapla" handler of the main window. From the start date (`Text1`), the months of
// service (`Text2`), today (`Text4`) and the days of leave (`Text5`) it writes the discharge
// date (`Text3`), the days left with and without the leave (`Label5`, `Label18`), the milestone
// message (`Label7`), the greeting (`Label9`), the status chart, the province whose plate code
// equals the days left (`Label20`) and, for no leave, the caption of `Label17(1)`.
//
// The steps run in resume-next mode: a step whose conversion fails is skipped and leaves its
// control as it was; a test that fails counts as holding. Nothing is kept between runs except
// what stands in the window's controls. Besides, a text box a step could not read (or whose
// discharge date could not be counted) is marked as not understood, with what was expected,
// until a later run reads it.
void runCountdown(CountdownForm& form, const LocaleConventions& locale);

} // namespace dorvak
