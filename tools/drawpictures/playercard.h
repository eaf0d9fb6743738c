#pragma once

#include <QImage>

// playercard.jpg, 581 x 206: the backdrop of the salary form, a player's panel
// from the game's web site. The form's labels, the salary and the button are
// laid over it at run time, where the window's layout puts them.
QImage drawPlayerCard(int scale);
