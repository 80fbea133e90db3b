#pragma once

// The toolkit warns about two texts the window sets on purpose: the colour
// style sheet of the colour buttons and of the reference picture's label
// ("background-color: #rrggbb}", whose stray brace it cannot parse, though
// it applies the colour), and the about text's "lineHeight:1.0", a property
// it does not know. Both texts are what those widgets are meant to carry,
// so their warnings are dropped; every other message goes on to the
// handler that was installed before. Installed once; later calls do
// nothing.
void dropExpectedToolkitWarnings();
