<script>
// Jumpy AD: Zephrin's box #dropin[data-zephrin], written by the body section
// at its place, falls in from the top of the window and wiggles; dismissbox()
// (the "[Close Box]" link) and Esc close it. The box may be written before or
// after this script. A page element that only shares the id is never touched.
(function () {
  'use strict';
  var MARGIN = 8;
  var box = null, left = 0, width = 0, focus = null, onKey = null;

  // zephrin: box helpers

  var record = boxRecord('jumpy-ad');

  function findBox() {
    return document.querySelector('#dropin[data-zephrin]');
  }

  // Keep the box inside the window's width, e.g. on a phone.
  function fit() {
    var room = document.documentElement.clientWidth - 2 * MARGIN;
    var w = Math.min(width, room);
    box.style.width = w + 'px';
    box.style.left = Math.max(MARGIN, Math.min(left, room + MARGIN - w)) + 'px';
  }

  function show() {
    box.setAttribute('role', 'dialog');
    if (!box.hasAttribute('aria-label')) box.setAttribute('aria-label', 'Announcement');
    var s = box.style;
    // The colour comes as bare hex digits, which only pages without a doctype accept.
    var colour = (box.getAttribute('style') || '').match(/background-color:\s*([0-9a-f]{6})\s*(;|$)/i);
    if (colour) s.backgroundColor = '#' + colour[1];
    left = box.offsetLeft;
    width = box.offsetWidth;
    s.boxSizing = 'border-box';
    s.overflow = 'auto';
    s.zIndex = '1000';
    fit();
    window.addEventListener('resize', fit);
    box.addEventListener('focusin', focus.note);
    window.addEventListener('keydown', onKey);
    s.visibility = 'visible';
    announce(record, box, 'show');
    if (matchMedia('(prefers-reduced-motion: reduce)').matches || !box.animate) return;
    var drop = box.getBoundingClientRect().bottom + MARGIN;
    box.animate([
      { transform: 'translate(0, ' + -drop + 'px)', easing: 'ease-in' },
      { transform: 'translate(0, 0)', offset: 0.55 },
      { transform: 'translate(-12px, 0)', offset: 0.65 },
      { transform: 'translate(10px, 0)', offset: 0.75 },
      { transform: 'translate(-6px, 0)', offset: 0.85 },
      { transform: 'translate(3px, 0)', offset: 0.93 },
      { transform: 'translate(0, 0)' }
    ], 1600);
  }

  // how: 'link' or 'esc', for the close event.
  function dismiss(how) {
    var el = box || findBox();
    if (!el) return;
    if (box) {
      focus.giveBack();
      window.removeEventListener('resize', fit);
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
    onKey = escCloses(box, function () { dismiss('esc'); });
    document.removeEventListener('DOMContentLoaded', start);
    document.removeEventListener('zephrin-box', start);
    // Display rules, if the box has any, decide when it shows; shown late, it
    // comes in where the reader has scrolled to.
    if (!record.hold) return show();
    record.hold(function () {
      box.style.top = box.offsetTop + pageYOffset + 'px';
      show();
    });
  }

  window.dismissbox = function () { dismiss('link'); };
  document.addEventListener('zephrin-box', start);
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else setTimeout(start); // after the scripts that follow this one
})();
</script>
