<script>
// Jumpy AD: Zephrin's box #dropin[data-zephrin], written by the body section
// at its place, falls in from the top of the window and wiggles; dismissbox()
// (the "[Close Box]" link) and Esc close it. The box may be written before or
// after this script. A page element that only shares the id is never touched.
(function () {
  'use strict';
  var MARGIN = 8;
  var box = null, left = 0, width = 0, cameFrom = null;

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

  // Of the Zephrin boxes on show, the one painted over the others.
  function topmostBox() {
    var all = document.querySelectorAll('[data-zephrin]'), top = null, topZ = 0;
    for (var i = 0; i < all.length; i++) {
      var cs = getComputedStyle(all[i]), z = parseInt(cs.zIndex, 10) || 0;
      if (cs.visibility === 'visible' && cs.display !== 'none' && (!top || z >= topZ)) {
        top = all[i];
        topZ = z;
      }
    }
    return top;
  }

  // Focus inside the closing box goes back where it came from, or on to the
  // page's next focusable element.
  function giveFocusBack() {
    if (!box.contains(document.activeElement)) return;
    var to = cameFrom && cameFrom.isConnected ? cameFrom : null;
    var all = document.querySelectorAll('a[href],button,input,select,textarea,[tabindex]');
    for (var i = 0; !to && i < all.length; i++) {
      if (!box.contains(all[i]) && all[i].tabIndex >= 0 && (box.compareDocumentPosition(all[i]) & 4)) to = all[i];
    }
    if (to) to.focus();
    else document.activeElement.blur();
  }

  function noteFocusFrom(e) {
    if (!box.contains(e.relatedTarget)) cameFrom = e.relatedTarget;
  }

  // Esc closes the topmost box only, and leaves a key the page has handled
  // or one meant for the page's own dialog alone.
  function onKey(e) {
    if (e.key !== 'Escape' || e.defaultPrevented || topmostBox() !== box ||
        (e.target.closest && e.target.closest('dialog'))) return;
    e.preventDefault();
    dismiss();
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
    box.addEventListener('focusin', noteFocusFrom);
    window.addEventListener('keydown', onKey);
    s.visibility = 'visible';
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

  function dismiss() {
    var el = box || findBox();
    if (!el) return;
    if (box) {
      giveFocusBack();
      window.removeEventListener('resize', fit);
      box.removeEventListener('focusin', noteFocusFrom);
      window.removeEventListener('keydown', onKey);
    }
    el.style.visibility = 'hidden';
  }

  // The one place the box starts: once the page is parsed, or when a box
  // added later announces itself.
  function start() {
    if (box || !(box = findBox())) return;
    document.removeEventListener('DOMContentLoaded', start);
    document.removeEventListener('zephrin-box', start);
    // Display rules on the page, if any, decide when the box shows; shown
    // late, it comes in where the reader has scrolled to.
    if (!window.zephrinRules) return show();
    window.zephrinRules.hold(function () {
      box.style.top = box.offsetTop + pageYOffset + 'px';
      show();
    });
  }

  window.dismissbox = dismiss;
  document.addEventListener('zephrin-box', start);
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
})();
</script>
