<script>
// StickME note: shows the box #fadeinbox[data-zephrin], Zephrin's own, written
// by the body section, in the middle of the window with a fade; hidefadebox()
// (the "Hide Box" link) and Esc hide it. The box may be written before or
// after this script runs. A page element that only shares the id is never touched.
(function () {
  'use strict';
  var box = null, focus = null, onKey = null;

  // zephrin: box helpers

  var record = boxRecord('stickme-note');

  // The box with its rule's values, never a page element of the same id.
  function findBox() {
    return document.querySelector('#fadeinbox[data-zephrin]');
  }

  function show() {
    box.setAttribute('role', 'dialog');
    if (!box.hasAttribute('aria-label')) box.setAttribute('aria-label', 'Note');
    // The style element writes the colour as bare hex digits, which only pages
    // without a doctype accept; other pages get the same colour this way.
    var colour = ruleValue('fadeinbox', 'background-color');
    var s = box.style;
    if (/^[0-9a-f]{6}$/i.test(colour)) s.backgroundColor = '#' + colour;
    // Keep the size the style element gives, but never wider or taller than the window.
    s.boxSizing = 'border-box';
    s.width = box.offsetWidth + 'px';
    s.height = box.offsetHeight + 'px';
    s.maxWidth = 'calc(100vw - 16px)';
    s.maxHeight = 'calc(100vh - 16px)';
    s.overflow = 'auto';
    s.position = 'fixed';
    s.zIndex = '1000';
    s.left = '50%';
    s.top = '50%';
    s.transform = 'translate(-50%, -50%)';
    s.opacity = '0';
    s.visibility = 'visible';
    if (!matchMedia('(prefers-reduced-motion: reduce)').matches) {
      void box.offsetWidth; // start the transition from the transparent state
      s.transition = 'opacity 1s';
    }
    s.opacity = '1';
    box.addEventListener('focusin', focus.note);
    window.addEventListener('keydown', onKey);
    announce(record, box, 'show');
  }

  // how: 'link' or 'esc', for the close event.
  function hide(how) {
    var el = box || findBox();
    if (!el) return;
    if (box) {
      focus.giveBack();
      box.removeEventListener('focusin', focus.note);
      window.removeEventListener('keydown', onKey);
    }
    el.style.visibility = 'hidden';
    if (box) announce(record, box, 'close', how);
  }

  // The one place the box starts: once the page is parsed, or when a box
  // added later announces itself.
  function start() {
    if (box || !(box = findBox())) return;
    focus = focusReturn(box);
    onKey = escCloses(box, function () { hide('esc'); });
    document.removeEventListener('DOMContentLoaded', start);
    document.removeEventListener('zephrin-box', start);
    // Display rules, if the box has any, decide when it shows.
    if (record.hold) record.hold(show);
    else show();
  }

  window.hidefadebox = function () { hide('link'); };
  document.addEventListener('zephrin-box', start);
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else setTimeout(start); // after the scripts that follow this one
})();
</script>
