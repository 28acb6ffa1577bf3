#ifndef KINTREE_PUBLISH_EMBEDDED_IMAGES_H_
#define KINTREE_PUBLISH_EMBEDDED_IMAGES_H_

class Output;

/// Writes the style block that gives img0, img1, img2 and imgN their
/// embedded 20x20 pictures (bar, corner, tee, blank), shown at 32x32.
void writeImageStyles(Output& out);

#endif  // KINTREE_PUBLISH_EMBEDDED_IMAGES_H_
