// CDialog: a dialog made from a template, run by its own modal loop or
// created modeless.
// CDataExchange and DDX_Control: binding control objects at initialisation.
#pragma once

#include "framework/wnd.h"

class CDialog;

struct CDataExchange {
    CDialog* m_pDlgWnd;
};

// Binds a non-owning control object to the dialog item nIDC.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
public:
    // pParentWnd is the owner; with none, the application's main window owns
    // the dialog unless the dialog is the main window itself.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Creates the dialog, disables its owner, shows the dialog when the
    // queue first runs empty and pumps messages until EndDialog is called or
    // the window is destroyed. Returns the EndDialog result, or -1.
    INT_PTR DoModal();
    void EndDialog(int nResult);
    // Creates the dialog modeless, owned as DoModal's would be, and returns
    // at once; false when it could not be made. Its owner stays enabled, it
    // shows when its template or its owner says so, and its input goes
    // through PreTranslateMessage in whichever modal loop runs. It ends with
    // DestroyWindow: EndDialog would only hide it, so a modeless dialog
    // gives OnOK and OnCancel its own meaning.
    bool Create();

    // Keyboard and mouse input for the dialog goes through the standard
    // dialog navigation (IsDialogMessage).
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND ModalOwner() const;
    // Enables the owner that DoModal disabled and makes it the active window.
    void ReturnToOwner();
    void RunModalLoop();
    void CenterIfUnplaced(const RECT& rcBeforeInit);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    HWND m_hWndDisabledOwner = nullptr;
    bool m_bEndModal = false;
    INT_PTR m_nModalResult = -1;
};
