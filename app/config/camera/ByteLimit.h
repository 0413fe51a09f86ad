#pragma once

#include <QString>

class QLineEdit;

// Live byte limits of text fields that end up in fixed-size camera records.
// The camera stores such a text in the local 8-bit encoding, where a character
// outside ASCII takes two bytes; the cut estimates that without encoding.

// The longest prefix of text whose estimate is at most maxBytes: a UTF-16 unit
// from 1 to 127 counts one byte, any other unit two. A surrogate pair is kept
// or dropped whole, so the cut never leaves half a character behind.
QString cutTextToBytes(const QString &text, int maxBytes);

// Brings the edit's text back within maxBytes of its local 8-bit form after
// the operator typed or pasted: at the end the text is cut; in the middle the
// characters just typed before the cursor are dropped and the text after the
// cursor stays. The cursor ends after the kept part. A text within the limit
// is left alone.
void limitEditBytes(QLineEdit *edit, int maxBytes);
