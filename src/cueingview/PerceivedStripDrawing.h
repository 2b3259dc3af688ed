#pragma once

class PerceivedHistory;
class QPainter;
class QRectF;

// One channel's perceived signals as a strip chart over the last `seconds` of `history`, newest
// at the right: the vehicle's and the platform's, the channel's perception threshold as a band
// around zero, a line every 5 s and the range of the vertical axis in the channel's unit (m/s²,
// or °/s for the rates). Sizes times `scale`. Returns how many samples it drew.
int drawPerceivedStrip(QPainter& painter, const QRectF& area, const PerceivedHistory& history,
                       int channel, double seconds, double scale);
