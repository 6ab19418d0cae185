// CZentimDlg::CheckKuku: the interval chime, looked at before each frame.
#include "clockwnd/zentim_dlg.h"

void CZentimDlg::CheckKuku(int, int) {}
