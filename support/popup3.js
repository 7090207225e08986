<script>
// Jumpy AD: the box #dropin, written by the body section at its place, falls
// in from the top of the window and wiggles; dismissbox() (the "[Close Box]"
// link) and Esc close it. The box may be written before or after this script.
(function () {
  'use strict';
  var MARGIN = 8;
  var box = null, left = 0, width = 0;

  function whenReady(start) {
    if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
    else start();
  }

  // Keep the box inside the window's width, e.g. on a phone.
  function fit() {
    var room = document.documentElement.clientWidth - 2 * MARGIN;
    var w = Math.min(width, room);
    box.style.width = w + 'px';
    box.style.left = Math.max(MARGIN, Math.min(left, room + MARGIN - w)) + 'px';
  }

  function show() {
    box = document.getElementById('dropin');
    if (!box) return;
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
    fit();
    window.addEventListener('resize', fit);
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
    var el = box || document.getElementById('dropin');
    if (el) el.style.visibility = 'hidden';
  }

  window.dismissbox = dismiss;
  document.addEventListener('keydown', function (e) {
    if (e.key === 'Escape' && box && box.style.visibility === 'visible') dismiss();
  });
  // Display rules on the page, if any, decide when the box starts; a box
  // started late comes in where the reader has scrolled to.
  function start() {
    if (!window.zephrinRules) return show();
    window.zephrinRules.hold(function () {
      var el = document.getElementById('dropin');
      if (el) el.style.top = el.offsetTop + pageYOffset + 'px';
      show();
    });
  }
  whenReady(start);
})();
</script>
