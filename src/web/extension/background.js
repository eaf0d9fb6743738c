// The extension's one menu item, on selected text: the selection goes to the
// popup, which is the page itself, and is calculated there. The tab is read
// only when the manager picks the item (activeTab), and nothing leaves the
// browser.
const MENU_ITEM = 'weekly-salary';

chrome.runtime.onInstalled.addListener(() => {
  chrome.contextMenus.create({ id: MENU_ITEM, title: chrome.i18n.getMessage('menuTitle'), contexts: ['selection'] });
});

// The selection as the page shows it, with its line breaks; the menu's own
// copy of it has them turned into spaces. A page no extension may read (the
// browser's own pages, its PDF viewer) leaves that copy.
async function selectedText(info, tab) {
  try {
    const frames = await chrome.scripting.executeScript({
      target: { tabId: tab.id, frameIds: [info.frameId ?? 0] },
      func: () => window.getSelection().toString(),
    });
    const text = frames[0] && frames[0].result;
    if (text && text.trim()) return text;
  } catch {
    // Not ours to read: the menu's copy below.
  }
  return info.selectionText ?? '';
}

// What the menu item does. The popup is asked for first, while the click still
// counts as the manager's (Firefox opens it only then); it takes the text from
// the session's storage when it comes, whichever is first.
async function showSalary(info, tab) {
  const opened = chrome.action.openPopup().then(() => true, () => false);
  await chrome.storage.session.set({ selection: await selectedText(info, tab) });
  if (!(await opened)) {
    // Where the browser will not open the popup from here: the same page in a small window.
    await chrome.windows.create({ url: chrome.runtime.getURL('popup.html'), type: 'popup', width: 460, height: 640 });
  }
}

chrome.contextMenus.onClicked.addListener((info, tab) => {
  if (info.menuItemId === MENU_ITEM && tab) showSalary(info, tab);
});
