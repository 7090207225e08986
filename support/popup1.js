<script>
// StickME note: shows the box #fadeinbox[data-zephrin], Zephrin's own, written
// by the body section, in the middle of the window with a fade; hidefadebox()
// (the "Hide Box" link) and Esc hide it. The box may be written before or
// after this script runs. A page element that only shares the id is never touched.
(function () {
  'use strict';
  var box = null, cameFrom = null;

  // The box with its rule's values, never a page element of the same id.
  function findBox() {
    return document.querySelector('#fadeinbox[data-zephrin]');
  }

  // The style element writes the colour as bare hex digits, which only pages
  // without a doctype accept; other pages get the same colour this way.
  function ruleValue(id, property) {
    var re = new RegExp('#' + id + '\\[data-zephrin\\]\\s*\\{(?:[^}]*[;\\s])?' + property +
                        '\\s*:\\s*([^;}]*)', 'i');
    var styles = document.getElementsByTagName('style');
    for (var i = styles.length - 1; i >= 0; i--) {
      var m = re.exec(styles[i].textContent);
      if (m) return m[1].trim();
    }
    return '';
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
    hide();
  }

  function show() {
    box.setAttribute('role', 'dialog');
    if (!box.hasAttribute('aria-label')) box.setAttribute('aria-label', 'Note');
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
    box.addEventListener('focusin', noteFocusFrom);
    window.addEventListener('keydown', onKey);
  }

  function hide() {
    var el = box || findBox();
    if (!el) return;
    if (box) {
      giveFocusBack();
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
    // Display rules on the page, if any, decide when the box shows.
    if (window.zephrinRules) window.zephrinRules.hold(show);
    else show();
  }

  window.hidefadebox = hide;
  document.addEventListener('zephrin-box', start);
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
})();
</script>
