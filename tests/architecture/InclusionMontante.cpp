// Compiled with the include root of one core area only: the header named by ENTETE belongs to
// a higher area (or to the views), so this file must not compile.
#include ENTETE
